The workbench's step count script, as it composes it: the assignment lines,
then the "_COUNT" section, in Shift-JIS with CR LF line ends.

  $ cd "$CRAMTMP"
  $ cp "$GOLDEN/inputs/count_layout.c" a.c
  $ mkdir sub && printf 'int h(void)\r\n{\r\n  /* zero */\r\n  return 0;\r\n}\r\n' > sub/b.c
  $ printf 'a.c\r\nsub/b.c\r\n' > VdL1A2.tmp
  $ compose() {
  >   printf '$_line="ASCII"\n$_no_brace=false\n$_pri_proc=false\n$_countfunc=%s\n$_files= "<VdL1A2.tmp>"\n' "$1"
  >   iconv -f UTF-8 -t CP932 "$TEMPLATES/count.mora"
  > }
  $ compose true | sed 's/$/\r/' > VdCmd1.tmp
  $ "$MORA" -vd1 -nd -nh -f VdCmd1.tmp
   Function                 Line     Step     Comment  
   f                        10       7        2         a.c         
   g                        5        4        0         a.c         
   others:                  5        2        2         a.c         
                            20       13       4         a.c         
   h                        5        4        1         b.c         
   others:                  0        0        0         b.c         
                            5        4        1         b.c         
   total:                   25       17       5        

  $ compose false | sed 's/$/\r/' > VdCmd2.tmp
  $ "$MORA" -vd1 -nd -nh -f VdCmd2.tmp
   File                     Line     Step     Comment  
   a.c                      20       13       4        
   b.c                      5        4        1        
                            25       17       5        
