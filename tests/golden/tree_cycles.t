Trees with recursion and undefined callees: main calls ping and self;
ping and pong call each other; self calls itself; puts and printf are
library functions.

  $ cd "$CRAMTMP"
  $ cp "$GOLDEN/inputs/tree_cycles.c" .

Without repeat, a function with several callers is shown unexpanded where it
is called and gets a tree of its own; self is a caller of itself, so it gets
one too, where it is shown once below itself. Library functions are leaves.

  $ "$MORA" -vd1 -nd -nh "set line ascii; ftree * from tree_cycles.c"
   main
     |-ping
     |-printf
     +-self
  
   ping
     |-pong
     |   |-ping
     |   +-puts
     +-puts
  
   self
     +-self
  

With repeat, every call site is expanded; the cycle ends where a function
would open below itself, and self is never expanded.

  $ "$MORA" -vd1 -nd -nh "set line ascii; ftree repeat * from tree_cycles.c"
   main
     |-ping
     |   |-pong
     |   |   |-ping
     |   |   +-puts
     |   +-puts
     |-printf
     +-self
  

Only defined callees, and a without list with a comment line:

  $ "$MORA" -vd1 -nd -nh "set line ascii; set without notdefined on; ftree * from tree_cycles.c"
   main
     |-ping
     +-self
  
   ping
     +-pong
       +-ping
  
   self
     +-self
  
  $ printf '# not wanted\nself\npo?g\n' > skip.lst
  $ "$MORA" -vd1 -nd -nh "set line ascii; ftree * from tree_cycles.c without <skip.lst>"
   main
     |-ping
     |   +-puts
     +-printf
  

Each caller tree starts at a called function that calls nothing:

  $ "$MORA" -vd1 -nd -nh "set line ascii; rtree puts, printf from tree_cycles.c"
   puts
     |-ping
     +-pong
  
   printf
     +-main
  

A function that calls only itself and that nobody else calls is in no tree:

  $ printf 'int alone(int n)\n{\n    return alone(n - 1);\n}\n' > alone.c
  $ "$MORA" -vd1 -nd -nh "ftree * from alone.c"
  $ "$MORA" -vd1 -nd -nh "set line ascii; ftree repeat * from alone.c"
