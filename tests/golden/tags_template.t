The workbench's tag file script: the assignment lines, then the "_TAGS"
section, in Shift-JIS with CR LF line ends.

  $ cd "$CRAMTMP"
  $ cp "$GOLDEN/inputs/scan_shapes.c" .
  $ mkdir sub && cp "$GOLDEN/inputs/count_layout.c" sub/b.c
  $ printf 'scan_shapes.c\r\nsub/b.c\r\n' > VdL1A2.tmp
  $ {
  >   printf '$_line="ASCII"\n$_no_brace=false\n$_pri_proc=false\n$_files= "<VdL1A2.tmp>"\n'
  >   iconv -f UTF-8 -t CP932 "$TEMPLATES/tags.mora"
  > } | sed 's/$/\r/' > VdCmd.tmp
  $ "$MORA" -vd1 -nd -nh -f VdCmd.tmp
  scan_shapes.c(8): add
  scan_shapes.c(13): one
  scan_shapes.c(18): old_style
  scan_shapes.c(32): name_alone
  sub/b.c(5): f
  sub/b.c(14): g

With the braces check off only a brace in column 1 ends a body, so the
one-line function "one" runs on to the end of "old_style" and swallows it:

  $ sed 's/^\$_no_brace=false/$_no_brace=true/' VdCmd.tmp > VdCmd2.tmp
  $ "$MORA" -vd1 -nd -nh -f VdCmd2.tmp
  scan_shapes.c(8): add
  scan_shapes.c(13): one
  scan_shapes.c(32): name_alone
  sub/b.c(5): f
  sub/b.c(14): g
