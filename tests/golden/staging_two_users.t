Attacks that need a second user: files planted by "nobody" in a shared
directory, and files that belong to someone else. Runs only as root.

  $ [ "$(id -u)" = 0 ] && command -v setpriv >/dev/null && getent passwd nobody >/dev/null || exit 80
  $ as_nobody() { setpriv --reuid=nobody --regid=nogroup --clear-groups "$@"; }
  $ cd "$CRAMTMP"; chmod 0755 .

A copy name planted by another user in a world-writable directory is
skipped: root's change lands, the planted link and its target stay.

  $ mkdir shared && chmod 1777 shared && cd shared
  $ printf 'root only\n' > ../rootfile
  $ printf 'OLD\n' > a.c
  $ as_nobody ln -s ../rootfile sbt00000.dst
  $ as_nobody sh -c 'printf planted > sbt00001.src'
  $ "$MORA" -vd1 -nd -nh 'define "OLD" as "NEW" on a.c' done; echo "exit $?"
  exit 0
  $ cat a.c ../rootfile sbt00001.src; echo; ls sbt*
  NEW
  root only
  planted
  sbt00000.dst
  sbt00001.src
  $ cd ..

A file of another user keeps its owner, group and mode when root commits:

  $ mkdir own && printf 'OLD\n' > own/n.c && chown nobody:nogroup own/n.c && chmod 0640 own/n.c
  $ "$MORA" -vd1 -nd -nh 'define "OLD" as "NEW" on own/n.c'
  $ stat -c '%U:%G %a' own/n.c; cat own/n.c
  nobody:nogroup 640
  NEW

Where the engine cannot give a replacement the owner's name, it writes the
new text into the file itself: root's file stays root's.

  $ mkdir nd && chown nobody nd && printf 'OLD\n' > nd/r.c && chmod 0666 nd/r.c
  $ (cd nd && as_nobody "$MORA" -vd1 -nd -nh 'define "OLD" as "NEW" on r.c')
  $ stat -c '%U %a' nd/r.c; cat nd/r.c; ls nd
  root 666
  NEW
  r.c

A writable file in a directory where nothing can be made beside it is
written in place:

  $ mkdir locked && printf 'OLD\n' > locked/l.c && chown -R nobody locked && chmod 0555 locked
  $ (cd shared && as_nobody "$MORA" -vd1 -nd -nh 'define "OLD" as "NEW" on ../locked/l.c')
  $ cat locked/l.c; ls locked
  NEW
  l.c
