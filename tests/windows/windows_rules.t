The engine's Windows rules, run as mora.exe under wine (scripts/test_windows.sh
sets $MORA to a wrapper that folds each CR LF of the console to LF).

  $ cd "$CRAMTMP"
  $ mkdir -p src && touch src/b.c src/A.C src/c.h

A backslash separates the directory from the mask, as "/" does; the mask is
the last component alone, so the backslash never reaches the wildcard
matcher. A directory named without a separator is joined with a backslash:

  $ "$MORA" -vd1 -nd -nh 'ls src\*.c' 'ls src/*.h' 'ls src' 'ls src\\c.h'
  src\A.C
  src\b.c
  src/c.h
  src\A.C
  src\b.c
  src\c.h
  src\\c.h

PATH entries are separated by ";" and begin with a drive letter; a script
named without a directory is found in the second one:

  $ mkdir lib && printf 'echo "found on PATH"\n' > lib/hello.mora
  $ lib="Z:$(pwd | tr / '\\')\\lib"
  $ WINEPATH="C:\\nowhere;$lib" "$MORA" -vd1 -nd -nh 'include hello.mora'
  found on PATH
  $ "$MORA" -vd1 -nd -nh 'include hello.mora'
    FIEC013 : File not found: hello.mora

Text files that the engine writes end their lines with CR LF, the output
file and an echo target alike; the console does too:

  $ "$MORA" -vd1 -nd -nh 'echo "one" > echo.txt' 'set output out.txt' 'echo "two"' 'ls src\*.c'
  $ od -An -c echo.txt out.txt
     o   n   e  \r  \n   t   w   o  \r  \n   s   r   c   \   A   .
     C  \r  \n   s   r   c   \   b   .   c  \r  \n
  $ "$WINE" "$MORA_EXE" -vd1 -nd -nh 'echo "three"' | od -An -c
     t   h   r   e   e  \r  \n

A commit replaces a file that exists (Windows rename alone would refuse),
and leaves no copies behind:

  $ printf 'int len = strlen(s);\r\n' > a.c
  $ "$MORA" -vd1 -nd -nh 'define "len" as "size" on a.c'
  $ od -An -c a.c
     i   n   t       s   i   z   e       =       s   t   r   s   i
     z   e   (   s   )   ;  \r  \n
  $ ls sbt* 2>/dev/null || echo no copies
  no copies

An interrupt (Ctrl+C, which wine raises for SIGINT) reaches the engine
through its console control handler: the tree that would print for hours
stops with the message and code 0. The interrupt is sent once the tree is
being printed, however slowly wine starts:

  $ for i in $(seq 1 200); do printf 'void f%d(void)\n{\n  f%d(); f%d(); f%d(); f%d(); f%d();\n}\n' $i $(( i % 200 + 1 )) $(( (i + 7) % 200 + 1 )) $(( (i + 13) % 200 + 1 )) $(( (i + 31) % 200 + 1 )) $(( (i + 57) % 200 + 1 )); done > cycle.c
  $ printf 'int main(void)\n{\n  f1();\n}\n' >> cycle.c
  $ ("$MORA" -vd1 -nd -nh "ftree repeat * from cycle.c" > tree.txt 2> err.txt & pid=$!; for i in $(seq 1 120); do [ -s tree.txt ] && break; sleep 0.5; done; kill -INT $pid; wait $pid; echo "exit $?")
  exit 0
  $ cat err.txt
  Terminated by User.
