The flat function list: per file, each defined function with its file.

  $ cd "$CRAMTMP"
  $ mkdir -p src
  $ cp "$GOLDEN/inputs/tree_example.c" "$GOLDEN/inputs/tree_cycles.c" src/

Entry and file name in columns; the without patterns drop functions by name:

  $ "$MORA" -vd1 -nd -nh "list * from src/tree_example.c, src/tree_cycles.c without m*"
   d                                        src/tree_example.c      
   c                                        src/tree_example.c      
   a                                        src/tree_example.c      
   b                                        src/tree_example.c      
   ping                                     src/tree_cycles.c       
   pong                                     src/tree_cycles.c       
   self                                     src/tree_cycles.c       

Numbered, with the file in the entry (last path component only), aligned at
column 55 after the number:

  $ "$MORA" -vd1 -nd -nh "set fullpath off; set with file on; set number on; list * from src/tree_example.c"
   001: d                                                      [tree_example.c] 
   002: c                                                      [tree_example.c] 
   003: a                                                      [tree_example.c] 
   004: b                                                      [tree_example.c] 
   005: main                                                   [tree_example.c] 

The position form, unaligned below column 10, and name patterns:

  $ "$MORA" -vd1 -nd -nh "set with position on; set filepos 9; list p* from src/tree_cycles.c"
   ping [src/tree_cycles.c] (6)             src/tree_cycles.c       
   pong [src/tree_cycles.c] (13)            src/tree_cycles.c       

Missing files are all reported and nothing is listed:

  $ "$MORA" -vd1 -nd -nh "list * from a.c, src/tree_example.c, b.c" 2>&1
    FIEC013 : File not found: a.c
    FIEC013 : File not found: b.c

Without operands, list names the functions of the library file; without
from, the library file is the source:

  $ "$MORA" -vd1 -nd -nh "import * from src/tree_example.c; list; list m*"
   001: d                                : Function    
   002: c                                : Function    
   003: a                                : Function    
   004: b                                : Function    
   005: main                             : Function    
   main                                     sysdt                   
