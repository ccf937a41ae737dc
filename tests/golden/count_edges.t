Step counts over several files: numbering, fullpath, missing files and
operand errors.

  $ cd "$CRAMTMP"
  $ mkdir src
  $ cp "$GOLDEN/inputs/count_layout.c" src/a.c
  $ printf 'int h(void)\n{\n  return 0;\n}\n' > src/b.c

Numbering restarts in each file; a file without matching functions has no
"others:" line; with fullpath off only the last name component is shown:

  $ "$MORA" -vd1 -nd -nh "set number on; set fullpath off; count f, g from src/a.c, src/b.c"
   Function                 Line     Step     Comment  
   001: f                        10       7        2         a.c         
   002: g                        5        4        0         a.c         
   others:                  5        2        2         a.c         
                            20       13       4         a.c         
                            4        4        0         b.c         
   total:                   24       17       4        

A wildcard selection is expanded before the count; with fullpath on the name
is printed as selected:

  $ "$MORA" -vd1 -nd -nh "set count file; count * from src/*.c"
   File                     Line     Step     Comment  
   src/a.c                  20       13       4        
   src/b.c                  4        4        0        
                            24       17       4        

Every missing file is named and nothing is printed:

  $ "$MORA" -vd1 -nd -nh "count * from src/a.c, nothere.c, gone.c"
    FIEC013 : File not found: nothere.c
    FIEC013 : File not found: gone.c

Without "from" the library file is the only file (its marker lines are
counted like any other line):

  $ "$MORA" -vd1 -nd -nh "count *"
    FIEC013 : File not found: sysdt
  $ "$MORA" -vd1 -nd -nh "import g from src/a.c; count *"
   Function                 Line     Step     Comment  
   g                        6        5        0         sysdt       
   others:                  1        1        0         sysdt       
                            7        6        0         sysdt       
   total:                   7        6        0        

A file that cannot be scanned (here a directory) is reported and left out;
when it is the last one, the grand total is left out too:

  $ mkdir src/sub
  $ "$MORA" -vd1 -nd -nh "set count file; count * from src/b.c, src/sub"
   File                     Line     Step     Comment  
   src/b.c                  4        4        0        
    FIEC010 : Report failed: src/sub
  $ "$MORA" -vd1 -nd -nh "set count file; count * from src/sub, src/b.c"
    FIEC010 : Report failed: src/sub
   File                     Line     Step     Comment  
   src/b.c                  4        4        0        
                            4        4        0        
