What a new user meets first: the conventional options, help, and messages
that say what was expected.

  $ cd "$CRAMTMP"

--help and --version answer on standard output with code 0, before the
hand-shake is checked:

  $ "$MORA" --version
  MORA Version 0.11-30
  $ "$MORA" --help
  Usage: mora -vd1 [options] [-f scriptfile | @scriptfile] [command-string...]
  Runs MORA statements: the command strings if any are given, else the
  script file, else standard input (interactive, prompt "MORA>").
  
    -vd<n>           hand-shake, n from 1 to 9: without it mora does not run
    -f file, @file   the script file to run
    -d file          the def-file run first (default mora.def, searched on PATH)
    -nd              do not run a def-file
    -nh              do not print the banner
    -e[esfn]         messages to stderr (e) or stdout (s), with (f) or
                     without (n) the script file name and line
    -help, -?        the short usage, on standard error
    --help           this text
    --version        the version
  
  A first run:  mora -vd1 -nd -nh "list * from examples/calc"
  Help topics:  mora -vd1 -nd -nh help   (then "help intro", "help ftree", ...)

The short usage of -help names every option:

  $ "$MORA" -nh -help 2>&1 | grep -E -- ' -(vd|nh|f)[ <]'
         -f scriptfile: Script file-name (@scriptfile is the same)
         -nh          : Not print the banner
         -vd<n>       : Hand-shake, n from 1 to 9 (required: -vd1)

help without a topic lists the topics, and begins with how to go on:

  $ "$MORA" -vd1 -nd -nh help | head -n 5
  MORA help. Type "help topic" for one of the topics below; begin with
  "help intro". Commands, settings ("set echo", "set with file", ...) and
  built-in functions each have their own topic.
    intro, options, files, encoding, script, variables, set, set echo,
    set error, set warning, set debug, set number, set trace, set case,

A topic, a setting with its default and show line, a built-in:

  $ "$MORA" -vd1 -nd -nh "help rtree"
  rtree [repeat] names [from files] [without names]
                      caller trees: each called function that calls nothing
                      is a root, its callers below it
    Example: set line ascii; rtree fprintf from *.c
  $ "$MORA" -vd1 -nd -nh "help SET WITH FILE"
  set with file on|off    default off; show line "Func-name with File-name"
    Function names carry their file: "main [main.c] ".
  $ "$MORA" -vd1 -nd -nh "help chgfext"
  call chgfext(name, $out, ext)
                      $out = name with its extension replaced by ext:
                      chgfext("a.b.c", $o, "x") sets $o to a.b.x

Messages say what was expected: a file list without commas, a bare word
where a value belongs, an unknown command, an unknown topic:

  $ cp "$EXAMPLES"/calc/*.c .
  $ "$MORA" -vd1 -nd -nh "ftree * from main.c lexer.c"
    FIEU003 : Expected , here
  $ "$MORA" -vd1 -nd -nh "echo hi"
    FIEU012 : Invalid operand: hi (texts go in double quotes, variables begin with $)
  $ "$MORA" -vd1 -nd -nh "lst * from main.c"
    FIEU002 : Unknown command: lst (help alone lists the commands)
  $ "$MORA" -vd1 -nd -nh "help lst"
    FIES005 : No help for: lst (help alone lists the topics)
  $ "$MORA" -vd1 -nd -nh "ftree *"
    FIEC001 : Cannot analyse file: sysdt (missing or unreadable; without from, the library file of import is read)
  $ "$MORA" -vd1 -nd -nh "set language cobol"
    FIEB002 : Unknown language (use c, basic or pascal)
