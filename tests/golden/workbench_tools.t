VeldraC --build runs the group's make as F7 does (utility, options and make file
from the group file, the information lines from the profile) and exits with
make's code; VeldraC --find prints the find-in-files result lines in group order.

  $ cd "$CRAMTMP"
  $ export XDG_CONFIG_HOME="$CRAMTMP/config" TMPDIR="$CRAMTMP/scratch"
  $ unset CC CFLAGS CPPFLAGS MAKEFLAGS
  $ mkdir scratch calc
  $ cp "$EXAMPLES"/calc/*.c "$EXAMPLES"/calc/*.h "$EXAMPLES"/calc/Makefile "$EXAMPLES"/calc/build.vgp calc/

The sample builds with make; a second build has nothing to do.

  $ "$VELDRAC" --build calc/build.vgp | sed 's/-O2 *-c -o/-c -o/'; echo "exit ${PIPESTATUS[0]}"
  --------------- ﾋﾞﾙﾄﾞ  [make -f Makefile]  開始 ---------------
  cc -Wall -c -o main.o main.c
  cc -Wall -c -o lexer.o lexer.c
  cc -Wall -c -o parser.o parser.c
  cc -Wall -c -o report.o report.c
  cc -Wall -O2 -o calc main.o lexer.o parser.o report.o
  ﾋﾞﾙﾄﾞ終了 [ 終了ｺｰﾄﾞ  0  ]
  exit 0
  $ printf '1+2*3\n' | calc/calc -v
  = 7
  $ "$VELDRAC" --build calc/build.vgp
  --------------- ﾋﾞﾙﾄﾞ  [make -f Makefile]  開始 ---------------
  make: 'calc' is up to date.
  ﾋﾞﾙﾄﾞ終了 [ 終了ｺｰﾄﾞ  0  ]

A make that fails gives its code; without the information option only make's
own lines are printed; a group without a make utility is refused.

  $ printf '# Veldra Group V01-02-A\r\n#MakeUtil=sh\r\n#MakeOpt=-c "echo half; exit 3"\r\na.c\r\n' > fail.vgp
  $ "$VELDRAC" --build fail.vgp; echo "exit $?"
  --------------- ﾋﾞﾙﾄﾞ  [sh -c "echo half; exit 3"]  開始 ---------------
  half
  ﾋﾞﾙﾄﾞ終了 [ 終了ｺｰﾄﾞ  3  ]
  exit 3
  $ mkdir -p config/Pellwick && printf '[BdOptSc]\nFlags="0,0"\n' > config/Pellwick/VeldraC.conf
  $ "$VELDRAC" --build fail.vgp; echo "exit $?"
  half
  exit 3
  $ printf '# Veldra Group V01-02-A\r\na.c\r\n' > none.vgp
  $ "$VELDRAC" --build none.vgp; echo "exit $?"
  ﾋﾞﾙﾄﾞ情報が未設定です。ﾋﾞﾙﾄﾞの設定で設定して下さい。
  exit 1
  $ ls scratch

Find in files: case ignored unless --case, whole words with --word; names as the
group lists them when the profile turns the full path off; no hit is no output
and exit 0. The counts equal grep -cw and grep -ci over the same files.

  $ printf '[FSearch]\nFlags="0,0,0,0"\n' > config/Pellwick/VeldraC.conf
  $ "$VELDRAC" --find PARSE_LINE calc/build.vgp
  main.c(22):         if (parse_line(&lexer, &value) != 0) {
  parser.c(77): int parse_line(Lexer *lexer, double *value)
  calc.h(17): int parse_line(Lexer *lexer, double *value);
  $ "$VELDRAC" --find PARSE_LINE calc/build.vgp --case; echo "exit $?"
  exit 0
  $ "$VELDRAC" --find lexer calc/build.vgp --word --case | wc -l
  69
  $ "$VELDRAC" --find lexer calc/build.vgp | wc -l
  70

A binary file in the group is skipped; a Shift-JIS file is searched as text.

  $ printf 'x\0lexer\n' > calc/blob.o
  $ printf '/* \x95\x5c\x8e\xa6 */\nint lexer;\n' > calc/sjis.c
  $ printf '# Veldra Group V01-02-A\r\nblob.o\r\nsjis.c\r\n' > calc/mixed.vgp
  $ "$VELDRAC" --find lexer calc/mixed.vgp
  sjis.c(2): int lexer;
  $ "$VELDRAC" --find 表示 calc/mixed.vgp
  sjis.c(1): /* 表示 */
  $ "$VELDRAC" --find x calc/nothere.vgp 2>&1 | grep -c '^ファイルの読込みに失敗しました。'; echo "exit ${PIPESTATUS[0]}"
  1
  exit 1
  $ ls scratch
