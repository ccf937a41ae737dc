The worked example of an action diagram: four source lines, their records in
the intermediate file (kept by debug, separators shown as "|" and record ends
as line feeds), and the diagram in the ASCII and JIS line sets and in HTML.

  $ mkdir work && cd work
  $ export TMP="$PWD"
  $ cp "$GOLDEN/inputs/action_example.c" .
  $ run() { printf '%s\n' "$@" > s.mora; "$MORA" -vd1 -nd -nh -f s.mora; }

The records, kept because debug is on; nothing else is left behind.

  $ run 'set debug on' 'set line ascii' 'action main from action_example.c' > /dev/null
  $ ls
  action_example.c
  morawrk??????.pot (glob)
  s.mora
  $ tr '\001\002' '|\n' < morawrk*.pot
  bgnblk|0|0|main(void)|
  bgnblk|0|1|if|(a)
  normal|1|2|x=1|
  midblk|0|1|else|
  normal|1|2|y=2|
  endblk|0|1||
  endblk|0|0||
  space|0|0||
  $ rm morawrk*.pot

ASCII: each line is TAB per level, the piece, the first text and two blanks,
the second text and two blanks; the function ends with an empty line.

  $ run 'set line ascii' 'action main from action_example.c' | cat -A
  +-- main(void)    $
  |   +-- if  (a)  $
  |   |   x=1    $
  |   |-- else    $
  |   |   y=2    $
  |   +--     $
  +--     $
  $
  $ ls
  action_example.c
  s.mora

JIS, the default: Shift-JIS box-drawing characters.

  $ run 'action * from action_example.c' | iconv -f CP932 -t UTF-8 | sed 's/$/|/'
  ┌─ main(void)    |
  │   ┌─ if  (a)  |
  │   │   x=1    |
  │   ├─ else    |
  │   │   y=2    |
  │   └─     |
  └─     |
  |
  $ run 'action * from action_example.c' | head -n 2 | od -An -tx1
   84 a1 84 9f 20 6d 61 69 6e 28 76 6f 69 64 29 20
   20 20 20 0a 84 a0 20 20 20 84 a1 84 9f 20 69 66
   20 20 28 61 29 20 20 0a

HTML: the diagram in a preformatted block, an anchor before the function's
first line and its link in the index file, a rule after its closing line.

  $ run 'set output page.html' 'set html on' 'set line ascii' 'open write index = index.html' \
  >   'action * from action_example.c' 'close index' 'set html off'
  $ cat page.html
  <HR>
  <PRE>
  <U><A NAME="main">main</A></U>
  +-- main(void)    
  |   +-- if  (a)  
  |   |   x=1    
  |   |-- else    
  |   |   y=2    
  |   +--     
  +--     <HR>
  
  
  </PRE>
  $ cat index.html
  <A HREF="page.html#main">main</A>
