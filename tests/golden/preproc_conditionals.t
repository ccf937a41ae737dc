Conditional compilation: the define table, its file format and the scan
that honours it while the ifdef setting is on.

  $ cd "$CRAMTMP"
  $ cp "$GOLDEN/inputs/ifdef_branches.c" .
  $ run() { printf '%s\n' "$@" > s.mora; "$MORA" -vd1 -nd -nh -f s.mora 2>&1; }

A define file: comments, blank lines, the three kinds, CR LF ends, a name
loaded twice (the first wins), a comma between name and value.

  $ printf '# debug build\r\nDEBUG\r\n\r\n   \r\nVERSION,3\r\nNAME abc\r\nNUM 12\r\nDEBUG 5\r\n' > defs.txt
  $ run 'load define defs.txt' deflist
  <DEBUG> = NONE
  <VERSION> = <3>
  <NAME> = <abc>
  <NUM> = <12>
  <DEBUG> = <5>

Loads accumulate; unload empties the table; done empties it too.

  $ printf 'MORE\n' > more.txt
  $ run 'load define defs.txt' 'load define more.txt' deflist 'unload define' deflist 'echo "--"' 'load define more.txt' done deflist
  <DEBUG> = NONE
  <VERSION> = <3>
  <NAME> = <abc>
  <NUM> = <12>
  <DEBUG> = <5>
  <MORE> = NONE
  --

A missing file loads nothing, not even the files that exist; a file found
along PATH is loaded; other forms are refused.

  $ run 'load define defs.txt, nope.txt, gone.txt' deflist 'load nothing' 'unload all' 'deflist now' 'load define defs.txt trailing'
    FIEC013 : File not found: nope.txt
    FIEC013 : File not found: gone.txt
    FIEU009 : Invalid keyword: nothing (help and the command name list the words it accepts)
    FIEU009 : Invalid keyword: all (help and the command name list the words it accepts)
    FIEU005 : Unexpected text: now (the statement should end before it)
    FIEU003 : Expected , here
  $ mkdir dir && printf 'ONPATH 1\n' > dir/path.def
  $ PATH="$PWD/dir:$PATH" run 'load define path.def' deflist
  <ONPATH> = <1>

With DEBUG and VERSION 3: the else branches and the #if 0 function are
hidden; "#if defined(A) && defined(B)" tests only A, so the #elif decides;
"#if DEBUG" for a name without a value is an error and false.

  $ run 'set ifdef on' 'load define defs.txt' 'list * from ifdef_branches.c'
   debug_only                               ifdef_branches.c        
   version3                                 ifdef_branches.c        
   sum_first                                ifdef_branches.c        
   not_x                                    ifdef_branches.c        
   always                                   ifdef_branches.c        

Without definitions the other branches are scanned; with the setting off
everything is.

  $ run 'set ifdef on' 'list * from ifdef_branches.c'
   release_only                             ifdef_branches.c        
   sum_first                                ifdef_branches.c        
   not_x                                    ifdef_branches.c        
   always                                   ifdef_branches.c        
  $ run 'list * from ifdef_branches.c'
   debug_only                               ifdef_branches.c        
   release_only                             ifdef_branches.c        
   never                                    ifdef_branches.c        
   version3                                 ifdef_branches.c        
   both                                     ifdef_branches.c        
   sum_first                                ifdef_branches.c        
   neither                                  ifdef_branches.c        
   not_x                                    ifdef_branches.c        
   debug_valueless                          ifdef_branches.c        
   always                                   ifdef_branches.c        

Directive lines and hidden lines are not counted (8 of the 33 lines are
scanned without definitions); a hidden call is no callee.

  $ run 'set ifdef on' 'count * from ifdef_branches.c' | tail -1
   total:                   8        8        0        
  $ run 'set ifdef on' 'set line ascii' 'ftree always from ifdef_branches.c'
   always
  
  $ run 'set ifdef on' 'load define defs.txt' 'set line ascii' 'ftree always from ifdef_branches.c'
   always
     +-trace
  

An unterminated conditional ends with its file: the next file starts clean.

  $ printf '#if 0\nint lost(void) { return 0; }\n' > open.c
  $ printf 'int kept(void) { return 0; }\n' > next.c
  $ run 'set ifdef on' 'list * from open.c, next.c'
   kept                                     next.c                  

Stray #endif and #else at depth 0: the #endif is harmless, the #else makes
the outermost level true.

  $ printf '#endif\nint a(void) { return 0; }\n#else\nint b(void) { return 0; }\n' > stray.c
  $ run 'set ifdef on' 'list * from stray.c'
   a                                        stray.c                 
   b                                        stray.c                 

Hostile define files: 100 000 lines fill the table at 512 records and the
rest is ignored without a message; a line of 10 000 bytes keeps its first
1 018 bytes of value and the next line is read as usual; a binary file loads
whatever lines look like names, and the run goes on.

  $ seq 1 100000 | sed 's/^/N/' > big.def
  $ run 'load define big.def' deflist | wc -l
  512
  $ run 'load define big.def' deflist | tail -1
  <N512> = NONE
  $ { printf 'LONG '; head -c 10000 /dev/zero | tr '\0' x; printf '\nAFTER 1\n'; } > long.def
  $ run 'load define long.def' deflist | cut -c1-20
  <LONG> = <xxxxxxxxxx
  <AFTER> = <1>
  $ run 'load define long.def' deflist | head -1 | wc -c
  1030
  $ seq 1 20000 | gzip -n -9 > binary.def
  $ run 'load define binary.def' 'echo "still running"' | tail -1
  still running

Conditionals nested 100 deep: the stack stops at depth 30, where each deeper
conditional overwrites the innermost level; thirty #endif lines then close
everything, and the seventy that follow clear the outermost level.

  $ { for i in $(seq 100); do echo '#if 1'; done; echo 'int inner(void) { return 0; }';
  >   for i in $(seq 100); do echo '#endif'; done; echo 'int outer(void) { return 0; }'; } > deep.c
  $ run 'set ifdef on' 'list * from deep.c'
   inner                                    deep.c                  
   outer                                    deep.c                  
