File lists: names, quoted names, list files, variables; wildcards and
directories expanded one level, masks matched without regard to case.

  $ cd "$CRAMTMP"
  $ mkdir -p src/sub && touch src/b.c src/A.C src/a.cpp src/c.h x.c 'my file.c'
  $ printf 'src/c.h\r\n\nx.c\n' > files.lst

A mask lists the entries of its directory in the platform's order, each with
its directory part; "*.c" and "*.C" select the same files:

  $ "$MORA" -vd1 -nd -nh "ls src/*.c" "ls src/*.C" "ls *.c"
  src/A.C
  src/b.c
  src/A.C
  src/b.c
  my file.c
  x.c

A directory lists every entry; ls leaves out the subdirectory, dir shows it:

  $ "$MORA" -vd1 -nd -nh "ls src" "dir src/"
  src/A.C
  src/a.cpp
  src/b.c
  src/c.h
   src/A.C          src/a.cpp        src/b.c          src/c.h         
   src/sub         

Quoted names, list files in angle brackets and variables, in the order given:

  $ "$MORA" -vd1 -nd -nh 'ls "my file.c", <files.lst>, src/[ab].c*'
  my file.c
  src/c.h
  x.c
  src/A.C
  src/a.cpp
  src/b.c
  $ printf '$_files = "<files.lst>"\n$more = "src/c.h, x.c"\nls $_files, $more\n' > v.mora
  $ "$MORA" -vd1 -nd -nh -f v.mora
  src/c.h
  x.c
  src/c.h
  x.c

Names that are not expanded stay as written (ls shows only existing files):
a backslash is no directory separator, a wildcard in the directory part and a
mask that matches nothing are kept, and so is a "[" without "*" or "?":

  $ touch 'src/[a].c'
  $ "$MORA" -vd1 -nd -nh 'dir src\*.c, */b.c, *.xyz, src/[a].c, x.c'
   src/[a].c        x.c             

Malformed lists raise one message each:

  $ "$MORA" -vd1 -nd -nh "ls a.c,,b.c" "ls a.c b.c" "ls <nofile.lst>" 'ls "open'
    FIEU007 : File name or word missing (help and the command name show what it takes)
    FIEU003 : Expected , here
    FIES001 : Cannot open file: nofile.lst
    FIEU003 : Expected " here
