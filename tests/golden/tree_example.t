Call and caller trees of the worked example: main calls a and b, a calls c,
c calls d.

  $ cd "$CRAMTMP"
  $ cp "$GOLDEN/inputs/tree_example.c" .

The call tree in ASCII, unaligned: one tree, from the function nobody calls.

  $ "$MORA" -vd1 -nd -nh "set line ascii; ftree * from tree_example.c"
   main
     |-a
     |   +-c
     |     +-d
     +-b
  

File names aligned at column 10; at 9 they follow the name directly.

  $ "$MORA" -vd1 -nd -nh "set line ascii; set with file on; set filepos 9; ftree * from tree_example.c"
   main [tree_example.c] 
     |-a [tree_example.c] 
     |   +-c [tree_example.c] 
     |     +-d [tree_example.c] 
     +-b [tree_example.c] 
  
  $ "$MORA" -vd1 -nd -nh "set line ascii; set with file on; set filepos 10; ftree * from tree_example.c"
   main     [tree_example.c] 
     |-a    [tree_example.c] 
     |   +-c[tree_example.c] 
     |     +-[tree_example.c] 
     +-b    [tree_example.c] 
  

The position form, at the default column 55:

  $ "$MORA" -vd1 -nd -nh "set line ascii; set with position on; ftree * from tree_example.c"
   main                                                  [tree_example.c] (22)
     |-a                                                 [tree_example.c] (12)
     |   +-c                                             [tree_example.c] (7)
     |     +-d                                           [tree_example.c] (2)
     +-b                                                 [tree_example.c] (17)
  

The caller tree of one name: d, and its caller one level deep (c is no
target, so it is not expanded).

  $ "$MORA" -vd1 -nd -nh "set line ascii; rtree d from tree_example.c"
   d
     +-c
  

All callers: every called function that calls nothing is a root.

  $ "$MORA" -vd1 -nd -nh "set line ascii; rtree * from tree_example.c"
   d
     +-c
       +-a
         +-main
  
   b
     +-main
  

The JIS line pieces are Shift-JIS box drawing characters, the same width:

  $ "$MORA" -vd1 -nd -nh "ftree * from tree_example.c" > jis.txt
  $ cmp jis.txt "$GOLDEN/expected/tree_example_jis.txt"
  $ "$MORA" -vd1 -nd -nh "set with file on; set filepos 10; rtree * from tree_example.c" > jis_rtree.txt
  $ cmp jis_rtree.txt "$GOLDEN/expected/tree_example_rtree_jis.txt"
  $ "$MORA" -vd1 -nd -nh "set line ascii; ftree * from tree_example.c" | awk '{ print length($0) }' > ascii.len
  $ awk '{ print length($0) }' jis.txt | cmp - ascii.len
