Text substitution is staged: define changes work copies that later commands
read, done writes them back, reset drops them, and the end of the run commits.

  $ cd "$CRAMTMP"
  $ printf 'int len = strlen(s);\n' > a.c
  $ printf 'abc\n' > b.c

After define the staged copy holds the new text and the real file the old
one; done writes it back and removes the copies:

  $ cat > s1.mora <<'SCRIPT'
  > define "len" as "size" on a.c
  > define "ab" as "abab" on b.c
  > !cat a.c sbt00000.src sbt00001.src
  > done
  > !cat a.c b.c
  > !ls | grep sbt || echo no copies
  > SCRIPT
  $ "$MORA" -vd1 -nd -nh -f s1.mora
  int len = strlen(s);
  int size = strsize(s);
  ababc
  int size = strsize(s);
  ababc
  no copies

reset forgets the changes; the end of the run commits what is still staged:

  $ "$MORA" -vd1 -nd -nh 'define "size" as "n" on a.c' reset
  $ cat a.c; ls sbt* 2>/dev/null || echo no copies
  int size = strsize(s);
  no copies
  $ "$MORA" -vd1 -nd -nh 'define "strsize", "size" as "strlen", "len" on *.c'
  $ cat a.c b.c; ls sbt* 2>/dev/null || echo no copies
  int len = strlen(s);
  ababc
  no copies

A missing file is named, and nothing changes:

  $ "$MORA" -vd1 -nd -nh 'define "a" as "b" on a.c, gone.c, *.xyz'
    FIEC013 : File not found: gone.c
    FIEC013 : File not found: *.xyz
  $ cat a.c; ls sbt* 2>/dev/null || echo no copies
  int len = strlen(s);
  no copies

When a real file cannot be written back, done stops there: the files before
it are new, the rest old, and every copy is gone:

  $ printf 'old\n' > 1.c; printf 'old\n' > 2.c; printf 'old\n' > 3.c
  $ cat > s2.mora <<'SCRIPT'
  > define "old" as "new" on 1.c, 2.c, 3.c
  > !rm 2.c; mkdir 2.c
  > done
  > SCRIPT
  $ "$MORA" -vd1 -nd -nh -f s2.mora
    FIEC011 : Cannot restore replaced files
  $ cat 1.c 3.c; test -d 2.c && echo 2.c is a directory; ls sbt* 2>/dev/null || echo no copies
  new
  old
  2.c is a directory
  no copies
