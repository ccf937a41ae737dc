Staging never writes through, reuses or deletes a file it did not make, and
the commit replaces the real file behind links with its owner and mode kept.

  $ cd "$CRAMTMP"
  $ mkdir own && cd own
  $ printf 'OLD\n' > a.c

Copy names that are taken (a planted link, a user's file) are skipped:
the copies take the next free number and both files stay as they were.

  $ printf 'precious\n' > victim.txt
  $ ln -s victim.txt sbt00000.src
  $ printf 'OLD mine\n' > sbt00001.dst
  $ cat > s.mora <<'SCRIPT'
  > define "OLD" as "NEW" on a.c
  > !ls sbt*
  > done
  > SCRIPT
  $ "$MORA" -vd1 -nd -nh -f s.mora
  sbt00000.src
  sbt00001.dst
  sbt00002.dst
  sbt00002.src
  $ cat a.c victim.txt sbt00001.dst; ls sbt*
  NEW
  precious
  OLD mine
  sbt00000.src
  sbt00001.dst

A user's file with a copy's name is a file like any other: changed, not
deleted.

  $ "$MORA" -vd1 -nd -nh 'define "OLD" as "NEW" on sbt00001.dst, a.c'
  $ cat sbt00001.dst; ls sbt*
  NEW mine
  sbt00000.src
  sbt00001.dst
  $ rm sbt*

The library file and the work file are deleted only when this run made
them: an existing "sysdt" or a file named by set sysdt stays.

  $ printf 'int f(void)\n{\n  return 1;\n}\n' > f.c
  $ printf 'mine\n' > sysdt; printf 'keep\n' > keep.txt
  $ "$MORA" -vd1 -nd -nh 'set sysdt keep.txt' 'echo "hello"'
  hello
  $ cat sysdt keep.txt
  mine
  keep
  $ rm sysdt
  $ "$MORA" -vd1 -nd -nh 'import f from f.c' '!cat sysdt'
  @FUNCTIONS[f]
  int f(void)
  {
    return 1;
  }
  @END_FUNC
  $ ls sysdt 2>/dev/null || echo sysdt deleted
  sysdt deleted

With no usable temporary directory the work file falls back to the current
directory and skips a user's "mora001.tmp":

  $ printf 'user\n' > mora001.tmp
  $ printf '[go]\necho "in event"\n!ls mora*.tmp\n' > ev.txt
  $ TMP=/nonexistent/dir "$MORA" -vd1 -nd -nh 'event go from ev.txt'
  in event
  mora001.tmp
  mora002.tmp
  $ ls mora*.tmp; cat mora001.tmp
  mora001.tmp
  user

A link is followed to the real file, which is replaced; the link stays a
link. Hard links stay joined.

  $ mkdir real && printf 'OLD\n' > real/t.c && ln -s real/t.c link.c
  $ printf 'OLD\n' > h1.c && ln h1.c h2.c
  $ "$MORA" -vd1 -nd -nh 'define "OLD" as "NEW" on link.c, h1.c'
  $ test -L link.c && echo still a link; cat real/t.c h2.c; stat -c %h h1.c
  still a link
  NEW
  NEW
  2

One file reached by two names is staged once, and both changes land:

  $ printf 'one\n' > real/u.c
  $ ln -s real lnk
  $ "$MORA" -vd1 -nd -nh 'define "one" as "two" on real/u.c' 'define "two" as "three" on lnk/u.c'
  $ cat real/u.c
  three

A read-only file, and a file changed since define, are refused and keep
their text:

  $ printf 'OLD\n' > ro.c && chmod 0444 ro.c
  $ "$MORA" -vd1 -nd -nh 'define "OLD" as "NEW" on ro.c'
    FIEC011 : Cannot restore replaced files
  $ cat ro.c; stat -c %a ro.c
  OLD
  444
  $ printf 'OLD\n' > c.c
  $ "$MORA" -vd1 -nd -nh 'define "OLD" as "NEW" on c.c' '!echo user line >> c.c' done
    FIEC011 : Cannot restore replaced files
  $ cat c.c; ls sbt* 2>/dev/null || echo no copies
  OLD
  user line
  no copies

Two engines in one directory: the second takes its own copies, commits
first; the first then finds the file changed and refuses it.

  $ printf 'x\n' > two.c
  $ cat > outer.mora <<SCRIPT
  > define "x" as "first" on two.c
  > !"$MORA" -vd1 -nd -nh 'define "x" as "second" on two.c' '!ls sbt*'
  > done
  > SCRIPT
  $ "$MORA" -vd1 -nd -nh -f outer.mora
  sbt00000.dst
  sbt00000.src
  sbt00001.dst
  sbt00001.src
    FIEC011 : Cannot restore replaced files
  $ cat two.c; ls sbt* 2>/dev/null || echo no copies
  second
  no copies

A termination signal drops the staged change and deletes every copy, the
work file and the library file it made:

  $ mkdir tmp; printf 'OLD\n' > k.c
  $ cat > killmora.sh <<'SH'
  > p=$PPID
  > while [ "$(cat /proc/$p/comm)" != mora ]; do p=$(cut -d' ' -f4 /proc/$p/stat); done
  > kill -TERM $p
  > SH
  $ TMP=$PWD/tmp "$MORA" -vd1 -nd -nh 'define "OLD" as "NEW" on k.c' 'import f from f.c' '!sh killmora.sh' 'echo not reached'
  Terminated by User.
  $ cat k.c; ls sbt* sysdt tmp/* 2>/dev/null || echo nothing left
  OLD
  nothing left

A nested event writes its work file only under a new name: a link or a
FIFO planted where it would go is neither written through nor deleted.

  $ printf 'secret\n' > victim2.txt
  $ printf 'w=$(ls tmp/morawrk*)\nln -s ../victim2.txt $w.1\nmkfifo $w.2\n' > plant.sh
  $ cat > ev2.txt <<'EVENTS'
  > [outer]
  > !sh plant.sh
  > event inner from ev2.txt
  > [inner]
  > echo "inner ran"
  > EVENTS
  $ TMP=$PWD/tmp "$MORA" -vd1 -nd -nh 'event outer from ev2.txt'
  inner ran
  $ cat victim2.txt; ls tmp | sed 's/morawrk....../W/'
  secret
  W.1
  W.2
