Text search: "file(number) : line" for each line holding one of the strings.

  $ cd "$CRAMTMP"
  $ printf 'int main(void)\n{\n  MAIN_LOOP(main);\n  return Main;\n}\n' > a.c
  $ printf 'no match here\n' > b.c

A line with two of the strings is printed once; case matters by default:

  $ "$MORA" -vd1 -nd -nh "find main, return from a.c, b.c"
  a.c(1) : int main(void)
  a.c(3) :   MAIN_LOOP(main);
  a.c(4) :   return Main;

With the case setting off, "Main" finds every spelling and the line keeps
its own:

  $ "$MORA" -vd1 -nd -nh "set case off; find Main from a.c"
  a.c(1) : int main(void)
  a.c(3) :   MAIN_LOOP(main);
  a.c(4) :   return Main;

Quoted strings may hold blanks and punctuation:

  $ "$MORA" -vd1 -nd -nh "find \"(void)\", \"return Main;\" from a.c"
  a.c(1) : int main(void)
  a.c(4) :   return Main;

A line longer than 511 bytes counts as two pieces, so later numbers run
ahead; each matching piece is one output line:

  $ { head -c 600 /dev/zero | tr '\0' 'x'; printf 'needle\nneedle again\n'; } > long.c
  $ "$MORA" -vd1 -nd -nh "find needle from long.c" | cut -c1-24
  long.c(2) : xxxxxxxxxxxx
  long.c(3) : needle again

A last line without a line feed still ends its output line:

  $ printf 'one\ntwo' > c.c
  $ "$MORA" -vd1 -nd -nh "find o from c.c; echo \"done\""
  c.c(1) : one
  c.c(2) : two
  done

Missing files fail the command before anything is searched:

  $ "$MORA" -vd1 -nd -nh "find main from a.c, zz.c"
    FIEC013 : File not found: zz.c

A directory in the selection is skipped in silence:

  $ mkdir d
  $ "$MORA" -vd1 -nd -nh "find main from d, a.c"
  a.c(1) : int main(void)
  a.c(3) :   MAIN_LOOP(main);
