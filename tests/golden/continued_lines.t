A function after a body line continued with a backslash keeps the number of
the physical line its name is on in every report: the call-list scan of the
trees joins the continued lines, but counts each line it joins.

  $ cd "$CRAMTMP"
  $ cp "$GOLDEN/inputs/continued_lines.c" .
  $ "$MORA" -vd1 -nd -nh "set with position on; list * from continued_lines.c"
   total                                                  [continued_lines.c] (3)
   twice                                                  [continued_lines.c] (10)
  $ "$MORA" -vd1 -nd -nh "tags * from continued_lines.c"
  continued_lines.c(3): total
  continued_lines.c(10): twice
  $ "$MORA" -vd1 -nd -nh "set line ascii; set with position on; ftree * from continued_lines.c"
   twice                                                 [continued_lines.c] (10)
     +-total                                             [continued_lines.c] (3)
  
  $ "$MORA" -vd1 -nd -nh "set line ascii; set with position on; rtree * from continued_lines.c"
   total
     +-twice                                             [continued_lines.c] (10)
  
