Function calls inside values, and command substitutions that nest.

  $ cd "$CRAMTMP"

A call yields $_r and may stand wherever a variable is read:

  $ cat > s.mora <<'SCRIPT'
  > function twice($x) {
  >   return $x + $x
  > }
  > $r = $twice("ab")
  > echo $r
  > $r = $twice("a") + "-" + $twice ("b")
  > echo $r
  > if ($twice("q") == "qq") {
  >   echo "call in a condition"
  > }
  > $%n = $twice("2") + 1
  > echo $%n
  > $twice("zz")
  > echo $_r
  > $s = "MiXed"
  > $strupr($s)
  > echo $s
  > $r = $twice("a"
  > SCRIPT
  $ "$MORA" -vd1 -nd -nh -f s.mora 2>&1
  abab
  aa-bb
  call in a condition
  23
  zzzz
  MIXED
    FIEU003 : Expected ) here

A substitution inside a captured command keeps the outer capture apart:

  $ cat > s.mora <<'SCRIPT'
  > function inner() {
  >   $x = `echo "captured inside"`
  >   echo "printed by inner"
  >   return $x
  > }
  > $o = `call inner()`
  > echo "[" + $o + "]"
  > echo "[" + $_r + "]"
  > SCRIPT
  $ "$MORA" -vd1 -nd -nh -f s.mora 2>&1
  [printed by inner
  ]
  [captured inside
  ]
