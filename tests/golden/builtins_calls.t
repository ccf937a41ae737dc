Built-in functions called from scripts.

  $ cd "$CRAMTMP"

String conversions write their arguments back; the result is in $_r:

  $ cat > s.mora <<'SCRIPT'
  > $s = "MiXed"
  > call strupr($s)
  > echo $s, " ", $_r
  > call chgfext("a.b.c", $o, "x")
  > echo $o
  > call chgfext("abc", $o, "x")
  > echo $o
  > call htmllinkto("page.html", "top")
  > echo $_r
  > SCRIPT
  $ "$MORA" -vd1 -nd -nh -f s.mora
  MIXED MIXED
  a.b.x
  abc.x
  <A HREF="page.html">top</A>

printf and puts write to standard output directly, past set output:

  $ cat > s.mora <<'SCRIPT'
  > set output out.txt
  > call printf("%s-%s\n", "a", "b")
  > call printf("[%5d|%-4s|%x]\n", "42", "ab", "255")
  > call puts("<raw>")
  > echo "to the file"
  > SCRIPT
  $ "$MORA" -vd1 -nd -nh -f s.mora
  a-b
  [   42|ab  |ff]
  <raw>
  $ cat out.txt
  to the file

File handles are numbered per run; the eleventh fopen fails even after closes:

  $ cat > s.mora <<'SCRIPT'
  > call fopen("data.txt", "w")
  > $h = $_r
  > call fprintf($h, "%s\n", "one")
  > call fputs("two\n", $h)
  > call fclose($h)
  > call fopen("data.txt", "r")
  > $h = $_r
  > echo $h
  > call fgets($line, $h)
  > echo $line, "|", $_r
  > call feof("#09")
  > echo "feof of an unknown handle: ", $_r
  > $%i = 0
  > while ($%i < 9) {
  >   call fopen("data.txt", "r")
  >   call fclose($_r)
  >   $%i = $%i + 1
  > }
  > call fopen("data.txt", "r")
  > echo "eleventh: [", $_r, "]"
  > SCRIPT
  $ "$MORA" -vd1 -nd -nh -f s.mora
  #02
  one
  |1
  feof of an unknown handle: 1
  eleventh: []

prbuiltin lists the built-ins in their order:

  $ "$MORA" -vd1 -nd -nh "call prbuiltin()"
    1 : strupr
    2 : strlwr
    3 : chgfext
    4 : time
    5 : date
    6 : eval
    7 : chdir
    8 : mkdir
    9 : rmdir
   10 : system
   11 : prbuiltin
   12 : gets
   13 : puts
   14 : printf
   15 : sprintf
   16 : strftime
   17 : fopen
   18 : fclose
   19 : fprintf
   20 : fputs
   21 : fgets
   22 : feof
   23 : getdepend
   24 : htmllinkto
