Include trees: the given files and the files they include in the quoted form
are nodes; every include of a node is its child; roots are the nodes that
nobody includes, and a node is expanded wherever it is included.

  $ cd "$CRAMTMP"
  $ run() { printf '%s\n' "$@" > s.mora; "$MORA" -vd1 -nd -nh -f s.mora 2>&1; }
  $ printf '#include "common.h"\n#include <stdio.h>\n#include "util.h"\n#include "common.h"\n' > main.c
  $ printf '#include "common.h"\n#include <string.h>\n' > util.c
  $ printf '#include <stddef.h>\n#include "types.h"\n' > common.h
  $ printf '#include "common.h"\n' > util.h
  $ printf 'int alone;\n' > alone.c
  $ printf '  #include "indented.h"\n#  include   "spaced.h"\n#include "x.h" /* see <y.h> */\n#include_next <z.h>\n#include\n' > odd.c

common.h is included by both given files and drawn, fully expanded, under
both; util.h is expanded under main.c and its own include of common.h is
expanded there too; types.h is no node (common.h is not a given file), so it
is a leaf; angle-bracket includes are leaves; a file that nobody includes
and that includes nothing is a root alone. A missing file is skipped.

  $ run 'set line ascii' 'itree main.c, util.c, missing.c, alone.c'
   main.c
     |-common.h
     |   |-stddef.h
     |   +-types.h
     |-stdio.h
     +-util.h
       +-common.h
         |-stddef.h
         +-types.h
  
   util.c
     |-common.h
     |   |-stddef.h
     |   +-types.h
     +-string.h
  
   alone.c
  

`tree include` is the same command. A directive must start in column 1;
blanks may follow the "#" and the word; a quoted name ends at its quote;
"#include_next" is another directive; a directive without a name is none.

  $ run 'set line ascii' 'tree include odd.c'
   odd.c
     |-spaced.h
     +-x.h
  

An include cycle between two given files: the tree ends where a file would
open below itself.

  $ printf '#include "b.h"\n' > a.h
  $ printf '#include "a.h"\n#include "leaf.h"\n' > b.h
  $ printf '#include "a.h"\n' > top.c
  $ run 'set line ascii' 'itree top.c, a.h, b.h'
   top.c
     +-a.h
       +-b.h
         |-a.h
         +-leaf.h
  

With fullpath off, node names lose their directory; the include lists keep
the names as written, so a name with a directory no longer meets its node.

  $ mkdir sub && printf '#include "sub/inner.h"\n' > sub/outer.h && printf 'x\n' > sub/inner.h
  $ run 'set line ascii' 'itree sub/outer.h'
   sub/outer.h
     +-sub/inner.h
  
  $ run 'set line ascii' 'set fullpath off' 'itree sub/outer.h'
   outer.h
     +-sub/inner.h
  
   inner.h
  

In HTML mode roots become anchors, as in the call trees.

  $ run 'set line ascii' 'set html on' 'itree util.c'
  <HR>
  <PRE>
   <U><A NAME="util.c">util.c</A></U>
     |-common.h
     |   |-stddef.h
     |   +-types.h
     +-string.h
  
  </PRE>

getdepend lists every existing file that a file includes, directly or
through others, each once; a cycle ends; a missing file fails.

  $ run 'call getdepend("main.c", $o)' 'echo $o' 'echo $_r' 'call getdepend("top.c", $o)' 'echo $o' 'call getdepend("missing.c", $o)' 'if ($o == "" && $_r == "") {' 'echo "failed"' '}'
  common.h util.h 
  1
  a.h b.h 
  failed

Files that only include each other have no root; the first of them that no
tree has shown gets a tree of its own, so none of them is lost.

  $ run 'set line ascii' 'itree a.h, b.h'
   a.h
     +-b.h
       |-a.h
       +-leaf.h
  
