The step count table in function mode, byte for byte: f has 10 lines (7
code, 2 comment), g 5 (4, 0), the file 20 (13, 4). Blank lines are counted
but never shown.

  $ cd "$CRAMTMP"
  $ cp "$GOLDEN/inputs/count_layout.c" a.c
  $ "$MORA" -vd1 -nd -nh "count * from a.c" | cat -A
   Function                 Line     Step     Comment  $
   f                        10       7        2         a.c         $
   g                        5        4        0         a.c         $
   others:                  5        2        2         a.c         $
                            20       13       4         a.c         $
   total:                   20       13       4        $

In file mode only the file lines and the total:

  $ "$MORA" -vd1 -nd -nh "set count file; count * from a.c" | cat -A
   File                     Line     Step     Comment  $
   a.c                      20       13       4        $
                            20       13       4        $
