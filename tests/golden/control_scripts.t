Script files, event files, handlers and help.

  $ mkdir "$CRAMTMP/work" && cd "$CRAMTMP/work"

include runs every file in order, and nothing when one is missing:

  $ printf 'echo "first"\n' > a.mora
  $ printf 'echo "second"\n' > b.mora
  $ "$MORA" -vd1 -nd -nh "include a.mora, b.mora" "include a.mora, c.mora"
  first
  second
    FIEC013 : File not found: c.mora

event runs named sections of event files; the work file is removed:

  $ cat > tasks.evt <<'EVT'
  > [_FLIST]
  > echo "function list"
  > [_FTREE]
  > echo "function tree"
  > [other]
  > echo "other"
  > EVT
  $ TMP="$PWD" "$MORA" -vd1 -nd -nh "event _ftree, _FLIST from tasks.evt" "on nothing from tasks.evt"
  function tree
  function list
  $ ls
  a.mora
  b.mora
  tasks.evt

whenever error runs once, at the next message; whenever exit before the exit:

  $ cat > handlers.mora <<'MORA'
  > whenever error echo "caught"
  > nosuch
  > nosuch
  > whenever exit echo "leaving"
  > exit 4
  > echo "not reached"
  > MORA
  $ "$MORA" -vd1 -nd -nh -f handlers.mora
    FIEU002 : Unknown command: nosuch (help alone lists the commands)
  caught
    FIEU002 : Unknown command: nosuch (help alone lists the commands)
  leaving
  [4]

help prints one topic of the help file:

  $ "$MORA" -vd1 -nd -nh "help break" "help Goto" "help nosuch"
  break               leave the innermost loop
  goto label          continue at the statement after ":label"; a label later
                      in the input is searched for, an earlier one is reached
                      only with "set code store on"
    FIES005 : No help for: nosuch (help alone lists the topics)
