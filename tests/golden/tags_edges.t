Tag lines: "file(line): name" for each defined function, at the line of its
name.

  $ cd "$CRAMTMP"
  $ cp "$GOLDEN/inputs/scan_shapes.c" .
  $ cp "$GOLDEN/inputs/count_layout.c" b.c
  $ "$MORA" -vd1 -nd -nh "tags * from scan_shapes.c, b.c"
  scan_shapes.c(8): add
  scan_shapes.c(13): one
  scan_shapes.c(18): old_style
  scan_shapes.c(32): name_alone
  b.c(5): f
  b.c(14): g

Numbering restarts for each file; a file without matches prints nothing:

  $ "$MORA" -vd1 -nd -nh "set number on; tags [fgo]* from scan_shapes.c, b.c, scan_shapes.c"
   001: scan_shapes.c(13): one
   002: scan_shapes.c(18): old_style
   001: b.c(5): f
   002: b.c(14): g
   001: scan_shapes.c(13): one
   002: scan_shapes.c(18): old_style
  $ "$MORA" -vd1 -nd -nh "tags nothing from b.c"

Missing files are named and nothing is printed:

  $ "$MORA" -vd1 -nd -nh "tags * from b.c, none.c"
    FIEC013 : File not found: none.c
