A C file in UTF-8 with Japanese comments, strings and names reads like the
same file in Shift-JIS: every report gives the same result. For the
comparison the Shift-JIS run's output is converted to UTF-8, and names are
set aside: a Shift-JIS name keeps only its ASCII last byte (計算 is "Z", 合計
is "v"), while a UTF-8 name is whole, so both sides spell them that way and
ignore the padding that follows. A second command, when given, is the one
the Shift-JIS side runs.

  $ cd "$CRAMTMP"
  $ mkdir u s
  $ cp "$GOLDEN/inputs/jp_utf8.c" u/jp.c
  $ iconv -f UTF-8 -t CP932 u/jp.c > s/jp.c
  $ run() { "$MORA" -vd1 -nd -nh "$@" 2>&1; }
  $ names() { sed 's/計算/Z/g; s/合計/v/g' | tr -s ' '; }
  $ same() {
  >   diff <(cd u && run "$1" | names) \
  >        <(cd s && run "$(printf %s "${2:-$1}" | iconv -f UTF-8 -t CP932)" | iconv -f CP932 -t UTF-8 | names) \
  >   && echo same
  > }

The comment "/* 合計*/" closes, so all three functions are found:

  $ cd u && run "list * from jp.c"; cd ..
   \xe8\xa8\x88\xe7\xae\x97                                     jp.c                     (esc)
   \xe5\x90\x88\xe8\xa8\x88                                     jp.c                     (esc)
   main                                     jp.c                    
  $ same "list * from jp.c"
  same
  $ same "set with position on; list * from jp.c"
  same

Step counts, tags and trees:

  $ cd u && run "count * from jp.c"; cd ..
   Function                 Line     Step     Comment  
   \xe8\xa8\x88\xe7\xae\x97                     5        4        1         jp.c         (esc)
   \xe5\x90\x88\xe8\xa8\x88                     9        9        0         jp.c         (esc)
   main                     8        8        0         jp.c        
   others:                  5        1        1         jp.c        
                            27       22       2         jp.c        
   total:                   27       22       2        
  $ same "count * from jp.c"
  same
  $ same "set count file; count * from jp.c"
  same
  $ cd u && run "tags * from jp.c"; cd ..
  jp.c(5): \xe8\xa8\x88\xe7\xae\x97 (esc)
  jp.c(10): \xe5\x90\x88\xe8\xa8\x88 (esc)
  jp.c(20): main
  $ same "tags * from jp.c"
  same
  $ cd u && run "set line ascii; ftree * from jp.c"; cd ..
   main
     |-printf
     |-\xe5\x90\x88\xe8\xa8\x88 (esc)
     |   +-\xe8\xa8\x88\xe7\xae\x97 (esc)
     +-puts
  
  $ cd u && run "set line ascii; rtree 計算 from jp.c"; cd ..
   \xe8\xa8\x88\xe7\xae\x97 (esc)
     +-\xe5\x90\x88\xe8\xa8\x88 (esc)
  
  $ same "set line ascii; ftree * from jp.c"
  same
  $ same "set line ascii; rtree 計算 from jp.c" "set line ascii; rtree Z from jp.c"
  same
  $ same "set line ascii; set with file on; set filepos 20; ftree * from jp.c"
  same

Text search with a bare word, a quoted text and a variable:

  $ cd u && run "find 計算 from jp.c"; cd ..
  jp.c(4) : // \xe5\x90\x88\xe8\xa8\x88\xe3\x82\x92\xe8\xa8\x88\xe7\xae\x97\xe3\x81\x99\xe3\x82\x8b (esc)
  jp.c(5) : static int \xe8\xa8\x88\xe7\xae\x97(int a, int b) (esc)
  jp.c(14) :         s = \xe8\xa8\x88\xe7\xae\x97(s, n);   /* \xe8\xb6\xb3\xe3\x81\x99*/ (esc)
  $ same "find 計算 from jp.c"
  same
  $ same "find 合計 from jp.c"
  same
  $ same "find \"合計\" from jp.c"
  same
  $ cd u && run '$a = "合計"; echo $a; find $a from jp.c'; cd ..
  \xe5\x90\x88\xe8\xa8\x88 (esc)
  jp.c(1) : /* \xe5\x90\x88\xe8\xa8\x88*/ (esc)
  jp.c(4) : // \xe5\x90\x88\xe8\xa8\x88\xe3\x82\x92\xe8\xa8\x88\xe7\xae\x97\xe3\x81\x99\xe3\x82\x8b (esc)
  jp.c(10) : int \xe5\x90\x88\xe8\xa8\x88(int n) (esc)
  jp.c(22) :     printf("\xe5\x90\x88\xe8\xa8\x88=%d\\n", \xe5\x90\x88\xe8\xa8\x88(10)); (esc)
  jp.c(23) :     if (\xe5\x90\x88\xe8\xa8\x88(3) > 5) { (esc)
  $ same '$a = "合計"; echo $a; find $a from jp.c'
  same

Function texts and action diagrams:

  $ same "type 合計 from jp.c" "type v from jp.c"
  same
  $ same "set line ascii; action main from jp.c"
  same
  $ same "set line ascii; action 合計 from jp.c" "set line ascii; action v from jp.c"
  same

A list file and a script in UTF-8, naming a file with a Japanese name:

  $ cp u/jp.c u/合計.c && printf '合計.c\n' > u/names.lst
  $ cd u && run "list * from <names.lst>"; cd ..
   \xe8\xa8\x88\xe7\xae\x97                                     \xe5\x90\x88\xe8\xa8\x88.c                   (esc)
   \xe5\x90\x88\xe8\xa8\x88                                     \xe5\x90\x88\xe8\xa8\x88.c                   (esc)
   main                                     \xe5\x90\x88\xe8\xa8\x88.c                   (esc)
  $ printf '$f = "合計.c"  # 合計\nlist 合* from $f\n' > u/script.mora
  $ cd u && run -f script.mora; cd ..
   \xe5\x90\x88\xe8\xa8\x88                                     \xe5\x90\x88\xe8\xa8\x88.c                   (esc)

`list` pads names by display columns, so the file names stand in one column
whatever the names' encoding (display columns before "jp.c" on each line):

  $ cols() { sed 's/jp\.c.*//' | while IFS= read -r l; do printf '%s' "$l" | LC_ALL=C.UTF-8 wc -L; done; }
  $ cd u && run "list * from jp.c" | cols; cd ..
  42
  42
  42
  $ cd s && run "list * from jp.c" | iconv -f CP932 -t UTF-8 | cols; cd ..
  42
  42
  42

`count` pads the same way (display columns before the line count):

  $ ccols() { grep -v Function | sed -E 's/[0-9]+ +[0-9]+ +[0-9]+ +.*$//' | while IFS= read -r l; do printf '%s' "$l" | LC_ALL=C.UTF-8 wc -L; done; }
  $ cd u && run "count * from jp.c" | ccols; cd ..
  26
  26
  26
  26
  26
  26
  $ cd s && run "count * from jp.c" | iconv -f CP932 -t UTF-8 | ccols; cd ..
  26
  26
  26
  26
  26
  26

Forcing Shift-JIS reads the UTF-8 file as before detection existed: the last
byte of 計 swallows the "*" and the comment never closes.

  $ cd u && MORA_ENCODING=sjis run "list * from jp.c"; cd ..

With UTF-8 output the JIS line pieces are UTF-8 box drawing of the same two
columns, and names align by columns (a kanji is two):

  $ cd u && MORA_ENCODING=utf8 run "set with file on; set filepos 24; ftree * from jp.c"; cd ..
   main                   [jp.c] 
     \xe2\x94\x9c\xe2\x94\x80printf (esc)
     \xe2\x94\x9c\xe2\x94\x80\xe5\x90\x88\xe8\xa8\x88               [jp.c]  (esc)
     \xe2\x94\x82   \xe2\x94\x94\xe2\x94\x80\xe8\xa8\x88\xe7\xae\x97           [jp.c]  (esc)
     \xe2\x94\x94\xe2\x94\x80puts (esc)
  
With Shift-JIS output (the default when standard output is no terminal, as
in the workbench) each tree line is still in one encoding: next to a UTF-8
name the pieces take their UTF-8 form, elsewhere they stay Shift-JIS, so a
reader that decodes line by line reads every line:

  $ cd u && run "set with file on; set filepos 24; ftree * from jp.c"; cd ..
   main                   [jp.c] 
     \x84\xa5printf (esc)
     \xe2\x94\x9c\xe2\x94\x80\xe5\x90\x88\xe8\xa8\x88               [jp.c]  (esc)
     \xe2\x94\x82   \xe2\x94\x94\xe2\x94\x80\xe8\xa8\x88\xe7\xae\x97           [jp.c]  (esc)
     \x84\xa4puts (esc)
  
  $ enc() { while IFS= read -r l; do if printf '%s' "$l" | iconv -f UTF-8 -t UTF-8 >/dev/null 2>&1; then echo utf8; elif printf '%s' "$l" | iconv -f CP932 -t UTF-8 >/dev/null 2>&1; then echo sjis; else echo neither; fi; done; }
  $ cd u && run "ftree * from jp.c" | enc; cd ..
  utf8
  sjis
  utf8
  utf8
  sjis
  utf8

Action diagrams too: a statement line holding UTF-8 text draws its pieces in
UTF-8, the others in Shift-JIS:

  $ cd u && run "action main from jp.c" | enc; cd ..
  sjis
  utf8
  utf8
  utf8
  sjis
  sjis
  sjis
  utf8

  $ cd u && MORA_ENCODING=utf8 run "action main from jp.c"; cd ..
  \xe2\x94\x8c\xe2\x94\x80\xe2\x94\x80\xe2\x94\x80 main(void)     (esc)
  \xe2\x94\x82    printf("\xe5\x90\x88\xe8\xa8\x88=%d\\n", \xe5\x90\x88\xe8\xa8\x88(10))     (esc)
  \xe2\x94\x82    \xe2\x94\x8c\xe2\x94\x80\xe2\x94\x80\xe2\x94\x80 if  (\xe5\x90\x88\xe8\xa8\x88(3) > 5)   (esc)
  \xe2\x94\x82    \xe2\x94\x82    puts("\xe5\xa4\xa7\xe3\x81\x8d\xe3\x81\x84")     (esc)
  \xe2\x94\x82    \xe2\x94\x94\xe2\x94\x80\xe2\x94\x80\xe2\x94\x80      (esc)
  \xe2\x94\x82    return 0     (esc)
  \xe2\x94\x94\xe2\x94\x80\xe2\x94\x80\xe2\x94\x80      (esc)
  
  $ cd s && run "set with file on; set filepos 24; ftree * from jp.c" | iconv -f CP932 -t UTF-8; cd ..
   main                   [jp.c] 
     \xe2\x94\x9cprintf (esc)
     \xe2\x94\x9cv                  [jp.c]  (esc)
     \xe2\x94\x82  \xe2\x94\x94Z              [jp.c]  (esc)
     \xe2\x94\x94puts (esc)
  

An HTML report in UTF-8 declares its charset; in Shift-JIS it does not:

  $ cd u && MORA_ENCODING=utf8 run "set html on; set line ascii; ftree main from jp.c"; cd ..
  <HR>
  <META HTTP-EQUIV="Content-Type" CONTENT="text/html; charset=UTF-8">
  <PRE>
   <U><A NAME="main">main</A></U>
     |-printf
     |-\xe5\x90\x88\xe8\xa8\x88 (esc)
     +-puts
  
  </PRE>
  $ cd u && run "set html on; set line ascii; ftree main from jp.c"; cd ..
  <HR>
  <PRE>
   <U><A NAME="main">main</A></U>
     |-printf
     |-\xe5\x90\x88\xe8\xa8\x88 (esc)
     +-puts
  
  </PRE>
