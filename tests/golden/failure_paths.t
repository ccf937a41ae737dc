Failures that must be reported as failures: read errors name the file,
a full file system is no success, a `whenever exit` handler cannot swallow
the exit, file names cannot inject markup, and signals stop long reports.

  $ cd "$CRAMTMP"
  $ printf 'int main(void)\n{\n  f();\n}\n' > a.c

A file that opens but fails to read (EIO) fails the command, naming it:

  $ "$MORA" -vd1 -nd -nh "list * from /proc/self/mem" "echo \"next\""
    FIEC010 : Report failed: /proc/self/mem
  next
  $ "$MORA" -vd1 -nd -nh "ftree * from /proc/self/mem"
    FIEC001 : Cannot analyse file: /proc/self/mem (missing or unreadable; without from, the library file of import is read)
  $ "$MORA" -vd1 -nd -nh "find \"x\" from /proc/self/mem"
    FIEC010 : Report failed: /proc/self/mem
  $ "$MORA" -vd1 -nd -nh "include /proc/self/mem" "echo \"next\""
    FIES009 : Cannot run script: /proc/self/mem
  next
  $ "$MORA" -vd1 -nd -nh -f /proc/self/mem
    FIES009 : Cannot run script: /proc/self/mem
  [255]

Functions imported into a library on a full file system are not imported:

  $ ln -s /dev/full lib
  $ "$MORA" -vd1 -nd -nh "set sysdt lib" "import * from a.c" "echo \"next\""
    FIEC004 : Cannot use library file: lib
  next

A `whenever exit` handler with an open parenthesis or quote still ends the
run with the code of the exit it delayed:

  $ printf 'whenever exit echo ("x\nexit 5\necho "not reached"\n' > w.mora
  $ "$MORA" -vd1 -nd -nh -f w.mora 2>&1 | grep -c "not reached"
  0
  [1]
  $ "$MORA" -vd1 -nd -nh -f w.mora > /dev/null 2>&1
  [5]
  $ printf 'whenever exit echo "open\nexit 6\necho "not reached"\n' > q.mora
  $ "$MORA" -vd1 -nd -nh -f q.mora
    FIEU003 : Expected " here
  [6]

File and function names are escaped in anchors and index links:

  $ cp a.c 'x"><img src=x onerror=alert(1)>.c'
  $ printf '%s\n' 'x"><img src=x onerror=alert(1)>.c' > names.lst
  $ cat > page.mora <<'EOF'
  > set output page.html
  > set html on
  > open write index = index.html
  > list * from <names.lst>
  > close index
  > EOF
  $ "$MORA" -vd1 -nd -nh -f page.mora
  $ grep -c "<img" page.html index.html
  page.html:0
  index.html:0
  [1]
  $ cat index.html
  <A HREF="page.html#x&quot;&gt;&lt;img%20src=x%20onerror=alert(1)&gt;.c">x&quot;&gt;&lt;img src=x onerror=alert(1)&gt;.c</A>

A tree that would print for hours stops at SIGTERM:

  $ for i in $(seq 1 200); do printf 'void f%d(void)\n{\n  f%d(); f%d(); f%d(); f%d(); f%d();\n}\n' $i $(( i % 200 + 1 )) $(( (i + 7) % 200 + 1 )) $(( (i + 13) % 200 + 1 )) $(( (i + 31) % 200 + 1 )) $(( (i + 57) % 200 + 1 )); done > cycle.c
  $ printf 'int main(void)\n{\n  f1();\n}\n' >> cycle.c
  $ ("$MORA" -vd1 -nd -nh "ftree repeat * from cycle.c" > /dev/null 2> err.txt & pid=$!; sleep 2; kill -TERM $pid; sleep 1; if kill -0 $pid 2>/dev/null; then echo "still running"; kill -KILL $pid; fi; wait $pid; echo "exit $?")
  exit 0
  $ cat err.txt
  Terminated by User.
