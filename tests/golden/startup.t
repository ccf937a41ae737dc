Start-up: banner, def-file, message options and run modes.

  $ cd "$CRAMTMP"

The banner goes to standard error before anything else, unless -nh:

  $ "$MORA" -vd1 -nd "exit" 2>&1 | sed -n 1p | grep -c 'MORA Version 0.11-30 $'
  1

The workbench learns the version this way (the text ends in a blank):

  $ "$MORA" -vd1 -nd -nh 'echo $version' | od -c | sed -n 1,2p
  0000000   M   O   R   A       V   e   r   s   i   o   n       0   .   1
  0000020   1   -   3   0      \n
  $ "$MORA" -nd -nh 'echo $version'
  This Program cannot be run alone (part of veldra)
  [1]

Only the command strings run when a script is named too:

  $ printf 'exit 5\n' > five.mora
  $ "$MORA" -vd1 -nd -nh -f five.mora "alias a as b"
  $ "$MORA" -vd1 -nd -nh -ffive.mora
  [5]
  $ "$MORA" -vd1 -nd -nh @five.mora
  [5]

The def-file runs before the script; it is found in the current directory or
on PATH, never on PATH when it names a directory:

  $ printf 'alias q as exit 6\n' > mora.def
  $ printf 'q\n' > q.mora
  $ "$MORA" -vd1 -nh -f q.mora
  [6]
  $ mkdir lib && mv mora.def lib/
  $ PATH="$PWD/lib:$PATH" "$MORA" -vd1 -nh -f q.mora
  [6]
  $ PATH="$PWD/lib:$PATH" "$MORA" -vd1 -nh -d lib/none.def -f q.mora
    FIEU002 : Unknown command: q (help alone lists the commands)

Messages: -es sends them to standard output, -ef adds the script name and line:

  $ printf '\n\nbogus\n' > bad.mora
  $ "$MORA" -vd1 -nd -nh -esf -f bad.mora 2>/dev/null
  bad.mora(3) : FIEU002 : Unknown command: bogus (help alone lists the commands)
  $ "$MORA" -vd1 -nd -nh -ef -f bad.mora 2>&1 >/dev/null
  bad.mora(3) : FIEU002 : Unknown command: bogus (help alone lists the commands)

Interactive input never carries the prefix:

  $ printf 'bogus\n' | "$MORA" -vd1 -nd -nh -ef 2>&1
  MORA>  FIEU002 : Unknown command: bogus (help alone lists the commands)
  MORA> (no-eol)

Aliases with placeholders and defaults:

  $ printf 'alias f as exit %%0\nf\nalias e as exit %%0=<4>\ne 9\n' | "$MORA" -vd1 -nd -nh 2>&1
  MORA>MORA>  FIEU033 : No value for %0
  MORA>MORA> (no-eol)
  [9]
  $ "$MORA" -vd1 -nd -nh "alias e as exit %0=<4>" "e"
  [4]
