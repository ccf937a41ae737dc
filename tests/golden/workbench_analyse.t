VeldraC --analyse runs an analysis the way the analysis dialog does: list,
script and output files in the temporary folder, mora from the program's own
folder, the group file's folder as working directory. Every temporary file is
gone afterwards.

  $ cd "$CRAMTMP"
  $ export XDG_CONFIG_HOME="$CRAMTMP/config" TMPDIR="$CRAMTMP/scratch"
  $ mkdir scratch

The function tree of the sample program equals the engine run by hand on the
same files (the default options: JIS lines, file names on).

  $ "$VELDRAC" --analyse 2 "$EXAMPLES/calc/calc"  > analysed.txt; echo "exit $?"
  exit 0
  $ (cd "$EXAMPLES/calc" && printf 'main.c\nlexer.c\nparser.c\nreport.c\ncalc.h\n' > "$TMPDIR/byhand.lst" &&
  >  "$MORA" -vd1 -nd -nh "set with file on; ftree * from <$TMPDIR/byhand.lst>") > byhand.txt
  $ rm "$TMPDIR/byhand.lst"
  $ cmp analysed.txt byhand.txt && grep -c . analysed.txt
  33
  $ ls scratch

The step count per file, from a group in another folder with relative names.

  $ mkdir -p proj/src && printf 'int f(void)\r\n{\r\n    return 1;\r\n}\r\n' > proj/src/f.c
  $ printf '# Veldra Group V01-02-A\r\n#RunFlags=\r\nsrc/f.c\r\n' > proj/p.vgp
  $ "$VELDRAC" --analyse 6 proj/p.vgp | grep -c 'f\.c'
  1

An empty group, a group that is not one, and no engine beside the program:
the message on standard error, exit 1, nothing left behind.

  $ printf '# Veldra Group V01-02-A\r\n#Makefile=x\r\n\r\n' > empty.vgp
  $ "$VELDRAC" --analyse 2 empty.vgp 2>&1 | grep -cFx 'グループにファイルが登録されていません。'; echo "exit ${PIPESTATUS[0]}"
  1
  exit 1
  $ printf 'int main;\n' > notgroup.vgp
  $ "$VELDRAC" --analyse 2 notgroup.vgp 2>&1 | grep -c '^ｸﾞﾙｰﾌﾟﾌｧｲﾙ(.*notgroup.vgp)の内容が不正です。'
  1
  $ mkdir alone && cp "$VELDRAC" alone/VeldraC
  $ alone/VeldraC --analyse 2 proj/p.vgp 2>&1 | grep -cFx '解析ﾓｼﾞｭｰﾙの実行に失敗しました。'; echo "exit ${PIPESTATUS[0]}"
  1
  exit 1
  $ alone/VeldraC --version | sed -n 2p | grep -cFx '解析ﾙｰﾁﾝ: '
  1
  $ ls scratch

The version line and the engine's version.

  $ "$VELDRAC" --version | grep -c '^Ｃ言語ﾄﾞｷｭﾒﾝﾄ生成ﾂｰﾙ(Veldra/C) Version  1.15$'
  1
  $ "$VELDRAC" --version | sed -n 2p | grep -c '^解析ﾙｰﾁﾝ: MORA Version '
  1
