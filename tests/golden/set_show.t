The settings list of `set`, and how `set` changes and refuses settings.

  $ cd "$CRAMTMP"

With nothing after it, set shows every setting with its default:

  $ "$MORA" -vd1 -nd -nh "set"
  Import/Export/Delete Mode: Function
  ECHO                     : ON
  ERROR                    : ON
  WARNING                  : ON
  ADD Header When Export   : OFF
  Func-name with File-name : OFF
  Func-name with Positon   : OFF
  Code-Store in Buffer     : OFF
  Check Braces(C Func-TREE): ON
  Print Fullpath           : ON
  HTML Mode                : OFF
  HTML Mode (Filter)       : OFF
  Ifdef Check Mode         : OFF
  Find case-sensitive      : ON
  SYSDT Library File       : sysdt
  Target Language          : C/C++
  Directory Mask           : *.c,*.cpp,*.h
  C Nextline Continue      : ON
  Output File              : CONSOLE
  Display Line Type        : JIS
  Step Count               : Function
  Tree File-Position       : 55
  SPOOL                    : OFF
  COMMAND TRACE            : OFF
  

The language selects its directory mask; the C continuation line goes away:

  $ "$MORA" -vd1 -nd -nh "set language basic" "set with file on" "set filepos 30" "set"
  Import/Export/Delete Mode: Function
  ECHO                     : ON
  ERROR                    : ON
  WARNING                  : ON
  ADD Header When Export   : OFF
  Func-name with File-name : ON
  Func-name with Positon   : OFF
  Code-Store in Buffer     : OFF
  Check Braces(C Func-TREE): ON
  Print Fullpath           : ON
  HTML Mode                : OFF
  HTML Mode (Filter)       : OFF
  Ifdef Check Mode         : OFF
  Find case-sensitive      : ON
  SYSDT Library File       : sysdt
  Target Language          : Basic
  Directory Mask           : *.frm,*.bas,*.cls
  Output File              : CONSOLE
  Display Line Type        : JIS
  Step Count               : Function
  Tree File-Position       : 30
  SPOOL                    : OFF
  COMMAND TRACE            : OFF
  

With echo off the list is not printed at all:

  $ "$MORA" -vd1 -nd -nh "set echo off" "set"

Refused settings leave the old values:

  $ "$MORA" -vd1 -nd -nh "set echo on extra" "set colour on" "set tree on" "set language java" "set filepos x" "set spool f" "set dirmask \"\"" "set"  2>&1 | grep -E 'FIE|ECHO|Language|Position|Mask'
    FIEU005 : Unexpected text: extra (the statement should end before it)
    FIEU005 : Unexpected text: colour (the statement should end before it)
    FIEU012 : Invalid operand: tree (texts go in double quotes, variables begin with $)
    FIEB002 : Unknown language (use c, basic or pascal)
    FIEU043 : Number missing (this setting takes a decimal number)
    FIEU009 : Invalid keyword: spool (help and the command name list the words it accepts)
    FIEU012 : Invalid operand:  (texts go in double quotes, variables begin with $)
  ECHO                     : ON
  Target Language          : C/C++
  Directory Mask           : *.c,*.cpp,*.h
  Tree File-Position       : 55

set output appends to a file and CONSOLE returns to standard output:

  $ printf 'old\n' > out.txt
  $ "$MORA" -vd1 -nd -nh "set output out.txt" "set screen on" "set output console" "set screen off"
  Screen Mode Not-Supported
  $ cat out.txt
  old
  Screen Mode Not-Supported

A file that cannot be opened keeps the output where it was:

  $ "$MORA" -vd1 -nd -nh "set output no/such/file" "set screen on"
    FIES001 : Cannot open file: no/such/file
  Screen Mode Not-Supported
