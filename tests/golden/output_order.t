Standard output is written in blocks, yet everything a reader can see keeps
its order: messages, report lines, shell commands and prompts interleave in
one merged capture exactly as they are produced.

  $ cd "$CRAMTMP"
  $ cp "$GOLDEN/inputs/tree_example.c" .

Messages on standard error fall between the lines printed before and after
them, in a file that takes both streams as the workbench's capture does:

  $ cat > s.mora <<'SCRIPT'
  > echo "first"
  > nosuchcommand
  > set line ascii
  > set with file on
  > ftree * from tree_example.c
  > ftree * from missing.c
  > echo "between"
  > ! echo "from the shell"
  > call system("echo from system")
  > echo "last"
  > exit 3
  > SCRIPT
  $ "$MORA" -vd1 -nd -nh -f s.mora > both.txt 2>&1
  [3]
  $ cat both.txt
  first
    FIEU002 : Unknown command: nosuchcommand (help alone lists the commands)
   main                                                  [tree_example.c] 
     |-a                                                 [tree_example.c] 
     |   +-c                                             [tree_example.c] 
     |     +-d                                           [tree_example.c] 
     +-b                                                 [tree_example.c] 
  
    FIEC001 : Cannot analyse file: missing.c (missing or unreadable; without from, the library file of import is read)
  between
  from the shell
  from system
  last

The same through a pipe, with every message of a long run after the line
printed just before it:

  $ for i in 1 2 3 4 5 6 7 8 9 10 11 12; do printf 'echo "line %s"\nnosuch%s\n' $i $i; done > many.mora
  $ "$MORA" -vd1 -nd -nh -f many.mora 2>&1 | head -6
  line 1
    FIEU002 : Unknown command: nosuch1 (help alone lists the commands)
  line 2
    FIEU002 : Unknown command: nosuch2 (help alone lists the commands)
  line 3
    FIEU002 : Unknown command: nosuch3 (help alone lists the commands)

Reading standard input, the prompt appears before each line is read and the
message for a line after its prompt:

  $ printf 'echo "a"\nbogus\necho "b"\n' | "$MORA" -vd1 -nd -nh 2>&1
  MORA>a
  MORA>  FIEU002 : Unknown command: bogus (help alone lists the commands)
  MORA>b
  MORA> (no-eol)

The spool and the set output file hold everything once the run ends, even
when it ends by exit:

  $ cat > s.mora <<'SCRIPT'
  > spool sp.txt
  > set output out.txt
  > echo "into the file"
  > bogus
  > exit 1
  > SCRIPT
  $ "$MORA" -vd1 -nd -nh -f s.mora
    FIEU002 : Unknown command: bogus (help alone lists the commands)
  [1]
  $ cat out.txt
  into the file
  $ cat sp.txt
  set output out.txt
  echo "into the file"
  into the file
  bogus
    FIEU002 : Unknown command: bogus (help alone lists the commands)
  exit 1

The run that stops at the 9 999th message, and the run stopped by a
signal, still show what they printed before their last message:

  $ (echo 'echo "before"'; yes bogus | head -n 10001) > limit.mora
  $ "$MORA" -vd1 -nd -nh -f limit.mora > both.txt 2>&1
  [1]
  $ head -n 2 both.txt
  before
    FIEU002 : Unknown command: bogus (help alone lists the commands)
  $ wc -l < both.txt
  10000
  $ cat > loop.mora <<'SCRIPT'
  > echo "before"
  > while (1) {
  >   $x = 1
  > }
  > SCRIPT
  $ "$MORA" -vd1 -nd -nh -f loop.mora > both.txt 2>&1 &
  $ pid=$!

While the loop runs, what was printed before it reaches the file within a
moment, without waiting for the end:

  $ for i in $(seq 1200); do grep -q before both.txt && break; sleep 0.1; done
  $ cat both.txt
  before
  $ kill -TERM $pid; wait $pid
  $ cat both.txt
  before
  Terminated by User.
