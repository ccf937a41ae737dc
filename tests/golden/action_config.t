The print configuration "actprt.ini" in the current directory.

  $ mkdir work && cd work
  $ export TMP="$PWD"
  $ cp "$GOLDEN/inputs/action_example.c" .
  $ run() { printf '%s\n' "$@" > s.mora; "$MORA" -vd1 -nd -nh -f s.mora; }
  $ draw() { run 'action * from action_example.c'; }

Keywords in any case; DEF texts taken literally, carets decoded in TAB; a kind
without a definition (here "midblk") is drawn without a piece.

  $ cat > actprt.ini <<'INI'
  > # a comment line
  > def bgnblk = ( "[ ", "  " )
  > Def endblk=("] ","")
  > DEF normal = ("^", "")
  > tab = ".^"
  > PLV = 5
  > INI
  $ draw | sed 's/$/|/'
  [ main(void)    |
  .[ if  (a)  |
  ..^x=1    |
  .else    |
  ..^y=2    |
  .]     |
  ]     |
  |

PLV = 0 hides the statements; each leaves its empty line. TAB keeps its
value from the last load when the file does not set it; the definitions do
not.

  $ printf 'PLV = 0\nDEF bgnblk = ("+ ", "")\n' > plv.ini
  $ run 'action * from action_example.c' '! cp plv.ini actprt.ini' 'action * from action_example.c' | sed 's/$/|/'
  [ main(void)    |
  .[ if  (a)  |
  ..^x=1    |
  .else    |
  ..^y=2    |
  .]     |
  ]     |
  |
  + main(void)    |
  .+ if  (a)  |
  |
  .else    |
  |
  .    |
      |
  |

Errors name the file and line on standard error; the diagram is not drawn
and the command fails.

  $ bad() { printf '%s\n' "$@" > actprt.ini; draw; }
  $ bad '# one' 'DEF bgnblk ("a", "b")'
  actprt.ini(2) : = Expected
  $ bad 'DEF bgnblk = "a", "b")'
  actprt.ini(1) : ( Expected
  $ bad 'DEF bgnblk = (a", "b")'
  actprt.ini(1) :  " Expected
  $ bad 'DEF bgnblk = ("a" "b")'
  actprt.ini(1) : , Expected
  $ bad 'DEF bgnblk = ("a", "b"'
  actprt.ini(1) :  ) Expected
  $ bad 'DEF bgnblk = ("a, "b")' 
  actprt.ini(1) : , Expected
  $ bad 'TAB = "open'
  actprt.ini(1) : Non Terminated String
  $ bad 'DEF bgnblk = ("12345678901234567890123456789012", "")'
  actprt.ini(1) : Non Terminated String
  $ bad 'PLV 5'
  actprt.ini(1) : = Expected
  $ for i in $(seq 65); do echo "DEF k$i = (\"\", \"\")"; done > actprt.ini; draw
  actprt.ini(65) : Code Table Overflow.

No work or intermediate file is left after a failed diagram.

  $ ls
  action_example.c
  actprt.ini
  plv.ini
  s.mora

An unknown keyword, or an empty line, ends the reading; what was read is used.

  $ bad 'PLV = 9' 'DEF bgnblk = ("# ", "")' 'COLOR = "red"' 'DEF endblk = ("x", "")' | sed 's/$/|/'
  actprt.ini(3) : Undefined Opecode
  # main(void)    |
  # if  (a)  |
  x=1    |
  else    |
  y=2    |
      |
      |
  |
  $ bad 'DEF bgnblk = ("# ", "")' '' 'DEF endblk = ("x", "")' 2>&1 | head -n 2
  actprt.ini(2) : Undefined Opecode
  # main(void)    
