Arrays with holes, list initialisers, block-local variables and command
substitution.

  $ cd "$CRAMTMP"

An index on a new name makes an array; its elements read as lines:

  $ cat > s.mora <<'SCRIPT'
  > $a[3] = "x"
  > echo "[" + $a + "]"
  > $a[] = "y"
  > echo $a[4] + $a[0] + $a[9] + "."
  > $%i = 3
  > echo $a[$%i - 0]
  > $b[] = { "p", "q" }
  > $b[] = { "r" }
  > $b[5] = { "s", , "u" }
  > echo $b
  > $c = { "p" }
  > $d[] = { "p" "q" }
  > $e[] = { "p", "q"
  > $b = "one"
  > echo $b
  > $s = "scalar"
  > $s[0] = "x"
  > SCRIPT
  $ "$MORA" -vd1 -nd -nh -f s.mora 2>&1
  [
  
  
  x]
  y.
  x
  p
  q
  r
  
  
  s
  
  u
    FIEU030 : List needs an indexed variable: $c
    FIEU005 : Unexpected text: "q" } (the statement should end before it)
    FIEU031 : List items need commas
  one
    FIEU027 : Not an array: $s

A variable declared with var lives in its block; others are global:

  $ cat > s.mora <<'SCRIPT'
  > $t = "outer"
  > {
  >   var $t
  >   $t = "inner"
  >   $u = "global"
  >   {
  >     $t = "nested"
  >   }
  >   echo $t
  > }
  > echo $t + " " + $u
  > var t
  > var $v, w
  > SCRIPT
  $ "$MORA" -vd1 -nd -nh -f s.mora 2>&1
  nested
  outer global
    FIEU003 : Expected $ here
    FIEU012 : Invalid operand: w (texts go in double quotes, variables begin with $)

Backquotes capture what a command prints, line feed included:

  $ cat > s.mora <<'SCRIPT'
  > $e = `echo "hello"`
  > echo "[" + $e + "]"
  > $v = `echo $version`
  > echo "<" + $v + ">"
  > $n = `echo "a"` + "b"
  > $m = `echo "a"
  > SCRIPT
  $ "$MORA" -vd1 -nd -nh -f s.mora 2>&1
  [hello
  ]
  <MORA Version 0.11-30 
  >
    FIEU005 : Unexpected text: + "b" (the statement should end before it)
    FIEU003 : Expected ` here
