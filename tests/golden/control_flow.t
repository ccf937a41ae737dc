Blocks, conditionals, loops, labels and script functions, end to end.

  $ cd "$CRAMTMP"

An if chain choosing settings, as generated scripts do; one branch runs:

  $ cat > chain.mora <<'MORA'
  > $_kind = "tree"
  > if ($_kind == "list")
  > {
  >   echo "list chosen"
  > }
  > elsif ($_kind == "tree") {
  >   echo "tree chosen"
  >   if ($_kind != "tree") echo "never"
  > }
  > else
  > {
  >   echo "nothing chosen"
  > }
  > MORA
  $ "$MORA" -vd1 -nd -nh -f chain.mora
  tree chosen

A false condition skips a block, never a single statement; a closing brace
must stand alone:

  $ cat > skip.mora <<'MORA'
  > if (1 == 2)
  > echo "runs anyway"
  > if (1 == 2) {
  > echo "skipped"
  > } else {
  > MORA
  $ "$MORA" -vd1 -nd -nh -f skip.mora
  runs anyway
    FIEU005 : Unexpected text: else (the statement should end before it)

Loops, break, and a function that passes its parameter out again:

  $ cat > loops.mora <<'MORA'
  > func twice($s) {
  >   $s = $s + $s
  >   return "done"
  > }
  > for ($%i = 0; $%i < 3; $%i = $%i + 1) {
  >   $t = "ab"
  >   call twice($t)
  >   echo "" + $%i + " " + $t + " " + $_r
  > }
  > while (1) {
  >   $%i = $%i - 1
  >   if ($%i == 1) {
  >     break
  >   }
  > }
  > echo $%i
  > echo $twice("x")
  > MORA
  $ "$MORA" -vd1 -nd -nh -f loops.mora
  0 abab done
  1 abab done
  2 abab done
  1
  done

Forward goto; a label that never comes is reported at the end of the input:

  $ cat > goto.mora <<'MORA'
  > goto later
  > echo "skipped"
  > :later
  > echo "at later"
  > goto missing
  > echo "skipped too"
  > MORA
  $ "$MORA" -vd1 -nd -nh -f goto.mora
  at later
    FIEU035 : Label not found: missing

Backward goto with the code store replays the stored statements from the
label on; a goto met during the replay searches forward:

  $ cat > back.mora <<'MORA'
  > set code store on
  > $%n = 0
  > :again
  > $%n = $%n + 1
  > if ($%n < 2) goto again
  > echo $%n
  > MORA
  $ "$MORA" -vd1 -nd -nh -f back.mora
  2
  $ sed -i 's/< 2/< 3/' back.mora
  $ "$MORA" -vd1 -nd -nh -f back.mora
    FIEU035 : Label not found: again

Nesting limits:

  $ "$MORA" -vd1 -nd -nh "{" "{" "{" "{" "{" "{" "{" "{" "{" "{" "{" "{" "}"
    FIEC018 : Nesting too deep
  $ "$MORA" -vd1 -nd -nh "}"
    FIEU019 : No open block for this }

break among command strings stops the rest, the final exit included:

  $ "$MORA" -vd1 -nd -nh 'echo "one"' "break" 'echo "two"' "exit 5" < /dev/null
  one
  MORA> (no-eol)
