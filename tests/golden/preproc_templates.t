The workbench's include tree (_ITREE), define check (_CHKDEF) and a function
list with "#if-#endif check" on, composed as the workbench writes them (the
assignment lines, then the section, in Shift-JIS with CR LF line ends), over
sources with CR LF ends and a define file.

  $ cd "$CRAMTMP"
  $ cp "$GOLDEN"/inputs/preproc/* .
  $ printf 'app.c\r\nutil.h\r\n' > VdLst01.tmp
  $ printf 'USE_LOG\r\nLEVEL,2\r\n' > VdDef.mls
  $ compose() {
  >   { cat; cat "$TEMPLATES/$1.mora"; } |
  >     iconv -f UTF-8 -t CP932 | sed 's/$/\r/' > VdCmd.tmp
  >   "$MORA" -vd1 -nd -nh -f VdCmd.tmp 2>&1
  > }
  $ vars() {
  >   printf '%s\n' '$_line="ASCII"' '$_no_brace=true' "\$_pri_proc=$1" '$_deffile= "VdDef.mls"' \
  >     '$_lt_wfile=false' '$_lp_wfile=false' '$_l_onlydef=false' '$_l_without=false' \
  >     '$_files= "<VdLst01.tmp>"'
  > }

  $ vars true | compose itree
   app.c
     |-config.h
     |   +-platform.h
     |-stdio.h
     +-util.h
       +-config.h
         +-platform.h
  
  $ vars true | compose chkdef
   USE_LOG
   LEVEL
   WIN32

With the check on, only the branches true for USE_LOG and LEVEL 2 count;
with it off every function is listed.

  $ vars true | compose flist
   log_line                                 app.c                   
   level_two                                app.c                   
   main                                     app.c                   
  $ vars false | compose flist
   log_line                                 app.c                   
   log_stub                                 app.c                   
   level_three                              app.c                   
   level_two                                app.c                   
   main                                     app.c                   
