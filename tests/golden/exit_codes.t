Every way a run of mora can end, with its exit code.

  $ cd "$CRAMTMP"

End of the script file, and of standard input:

  $ printf 'alias a as b\n' > s.mora
  $ "$MORA" -vd1 -nd -nh -f s.mora
  $ printf 'alias a as b\n' | "$MORA" -vd1 -nd -nh
  MORA>MORA> (no-eol)

exit and bye without an argument, and the implicit exit after command strings:

  $ "$MORA" -vd1 -nd -nh "exit"
  $ "$MORA" -vd1 -nd -nh "bye"
  $ "$MORA" -vd1 -nd -nh "alias x as y"

exit n ends with n; the code is taken modulo 256 by the system:

  $ "$MORA" -vd1 -nd -nh "exit 7"
  [7]
  $ "$MORA" -vd1 -nd -nh "bye 300"
  [44]

An exit argument that is no number is refused and the run goes on:

  $ "$MORA" -vd1 -nd -nh "exit now" "exit 2"
    FIEU011 : Invalid exit code: now (exit takes a decimal number)
  [2]

A `whenever exit` handler runs before the run ends, also among command strings:

  $ "$MORA" -vd1 -nd -nh "whenever exit exit 5" "exit 4"
  [5]
  $ "$MORA" -vd1 -nd -nh "whenever exit alias a as b" "exit 4"
  [4]

Help, and options that are not understood:

  $ "$MORA" -nh -help
   Usage: MORA [-options...] [-f scriptfile ]  [command-string...] 
      options...
         -d def-file  : Initialization file-name
         -nd          : Not Read def-file
         -e[esfn]   e : Error message to stderr
                    s :               to stdout
                    f :         with ScriptFileName
                    n :         without ScriptFileName
         -f scriptfile: Script file-name (@scriptfile is the same)
         -nh          : Not print the banner
         -vd<n>       : Hand-shake, n from 1 to 9 (required: -vd1)
         -help, -?    : This usage (--help, --version: on stdout)
  
  $ "$MORA" -nh -q 2>/dev/null
  [255]
  $ "$MORA" -nh -ex 2>/dev/null
  [255]
  $ "$MORA" -nh -f 2>/dev/null
  [255]

The hand-shake with the workbench:

  $ "$MORA" -nd -nh "exit 3"
  This Program cannot be run alone (part of veldra)
  [1]
  $ "$MORA" -vd10 -nd -nh "exit 3"
  Invalid Mora-Veldra Version
  [1]
  $ "$MORA" -vd9 -nd -nh "exit 3"
  [3]

A script file that cannot be opened:

  $ "$MORA" -vd1 -nd -nh -f missing.mora
    FIES001 : Cannot open file: missing.mora
  [255]

The 9999th diagnostic ends the run with code 1, after printing it:

  $ yes bogus | head -n 10005 > many.mora
  $ "$MORA" -vd1 -nd -nh -f many.mora 2> errors.txt
  [1]
  $ wc -l < errors.txt
  9999
  $ tail -n 1 errors.txt
    FIEU002 : Unknown command: bogus (help alone lists the commands)

An interrupt ends the run with code 0 and a message (sent after three seconds,
so that a slow start under a loaded machine is not cut short):

  $ sleep 6 | timeout --preserve-status -s INT 3 "$MORA" -vd1 -nd -nh 2> err.txt
  MORA> (no-eol)
  $ cat err.txt
  Terminated by User.
  $ sleep 6 | timeout --preserve-status -s TERM 3 "$MORA" -vd1 -nd -nh -f /dev/stdin 2> err.txt
  $ cat err.txt
  Terminated by User.
