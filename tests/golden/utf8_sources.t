A C file in UTF-8 with Japanese comments, strings and names reads like the
same file in Shift-JIS: every report gives the same result (the Shift-JIS
run's output converted to UTF-8 for the comparison).

  $ cd "$CRAMTMP"
  $ mkdir u s
  $ cp "$GOLDEN/inputs/jp_utf8.c" u/jp.c
  $ iconv -f UTF-8 -t CP932 u/jp.c > s/jp.c
  $ run() { "$MORA" -vd1 -nd -nh "$@" 2>&1; }
  $ same() {
  >   diff <(cd u && run "$1") \
  >        <(cd s && run "$(printf %s "$1" | iconv -f UTF-8 -t CP932)" | iconv -f CP932 -t UTF-8) \
  >   && echo same
  > }

The comment "/* 合計*/" closes, so all three functions are found:

  $ cd u && run "list * from jp.c"; cd ..
  $ same "list * from jp.c"
  same
  $ same "set with position on; list * from jp.c"
  same

Step counts, tags and trees:

  $ cd u && run "count * from jp.c"; cd ..
  $ same "count * from jp.c"
  same
  $ same "set count file; count * from jp.c"
  same
  $ same "tags * from jp.c"
  same
  $ same "set line ascii; ftree * from jp.c"
  same
  $ same "set line ascii; rtree 計算 from jp.c"
  same
  $ same "set line ascii; set with file on; set filepos 20; ftree * from jp.c"
  same

Text search with a bare word, a quoted text and a variable:

  $ cd u && run "find 計算 from jp.c"; cd ..
  $ same "find 計算 from jp.c"
  same
  $ same "find 合計 from jp.c"
  same
  $ same "find \"合計\" from jp.c"
  same
  $ cd u && run '$a = "合計"; echo $a; find $a from jp.c'; cd ..
  $ same '$a = "合計"; echo $a; find $a from jp.c'
  same

Function texts and action diagrams:

  $ same "type 合計 from jp.c"
  same
  $ same "set line ascii; action main from jp.c"
  same
  $ same "set line ascii; action 合計 from jp.c"
  same

A list file and a script in UTF-8, naming a file with a Japanese name:

  $ cp u/jp.c u/合計.c && printf '合計.c\n' > u/names.lst
  $ cd u && run "list * from <names.lst>"; cd ..
  $ printf '$f = "合計.c"  # 合計\nlist 合* from $f\n' > u/script.mora
  $ cd u && run -f script.mora; cd ..

Forcing Shift-JIS reads the UTF-8 file as before detection existed: the last
byte of 計 swallows the "*" and the comment never closes.

  $ cd u && MORA_ENCODING=sjis run "list * from jp.c"; cd ..

With UTF-8 output the JIS line pieces are UTF-8 box drawing of the same two
columns, and names align by columns (a kanji is two):

  $ cd u && MORA_ENCODING=utf8 run "set with file on; set filepos 24; ftree * from jp.c"; cd ..
  $ cd u && MORA_ENCODING=utf8 run "action 合計 from jp.c"; cd ..
  $ cd s && run "set with file on; set filepos 24; ftree * from jp.c" | iconv -f CP932 -t UTF-8; cd ..

An HTML report in UTF-8 declares its charset; in Shift-JIS it does not:

  $ cd u && MORA_ENCODING=utf8 run "set html on; set line ascii; ftree main from jp.c"; cd ..
  $ cd u && run "set html on; set line ascii; ftree main from jp.c"; cd ..
