The output path: echo, redirection, spooling, HTML filtering and directories.

  $ cd "$CRAMTMP"

echo joins its values; > writes and >> appends a file, nothing reaches the console:

  $ cat > s.mora <<'SCRIPT'
  > echo "a","b"
  > echo "x" > f.txt
  > echo "y" >> f.txt
  > set echo off
  > echo "silent"
  > SCRIPT
  $ "$MORA" -vd1 -nd -nh -f s.mora
  ab
  $ cat f.txt
  x
  y

Spooling copies the lines read and the text printed, in order:

  $ cat > s.mora <<'SCRIPT'
  > spool off
  > spool sp.txt
  > spool other.txt
  > echo "inside"
  > spool off
  > echo "outside"
  > SCRIPT
  $ "$MORA" -vd1 -nd -nh -f s.mora
    FIES007 : Not spooling
    FIES006 : Already spooling to sp.txt
  inside
  outside
  $ cat sp.txt
  spool other.txt
    FIES006 : Already spooling to sp.txt
  echo "inside"
  inside
  spool off

HTML mode escapes the reserved characters of everything printed; the index file
needs HTML mode:

  $ cat > s.mora <<'SCRIPT'
  > open write index = i.html
  > set html on
  > echo "#include <stdio.h> & ", $_s, "q", $_s
  > open write index = i.html
  > set html off
  > echo "<plain>"
  > close index
  > SCRIPT
  $ "$MORA" -vd1 -nd -nh -f s.mora
    FIEU041 : Not in HTML mode (set html on first)
  #include &lt;stdio.h&gt; &amp; &quot;q&quot;
  <plain>
  $ test -f i.html && echo index created
  index created

Directories: cd without an argument prints the current one; dir lists four to a
line, ls leaves out directories:

  $ mkdir -p list && cd list && touch a.c b.c c.h d.cpp e.c && mkdir sub.c
  $ "$MORA" -vd1 -nd -nh "mkdir new" "cd new" "cd" "cd .." "rmdir new" "rmdir" "dir" "ls *.c"
  /*/list/new (glob)
    FIEU037 : Directory name missing
   a.c              b.c              e.c              sub.c           
   d.cpp            c.h             
  a.c
  b.c
  e.c
  $ test -d new || echo removed
  removed
