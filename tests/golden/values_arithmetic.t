Integer and string values: numeric variables, truncating division, errors
that leave the target unchanged, and string concatenation.

  $ cd "$CRAMTMP"

Numeric variables ("$%") hold the decimal text of an integer expression:

  $ cat > s.mora <<'SCRIPT'
  > $%i = 7 / 2
  > echo $%i
  > $%i = -7 / 2
  > echo $%i
  > $%i = 1 % 0
  > echo $%i
  > $%j = 2 + 3 * 4 - (10 - 4) / 4 % 5
  > echo $%j
  > $%k = $%j * 1000000 * 1000
  > echo $%k
  > $%m = "10"
  > $%m = 10 20
  > $s = 6 * 7
  > echo $s
  > SCRIPT
  $ "$MORA" -vd1 -nd -nh -f s.mora 2>&1
  3
  -3
    FIER001 : Division by zero
  -3
  13
  115098112
    FIEU005 : Unexpected text: "10" (the statement should end before it)
    FIEU012 : Invalid operand: 20 (texts go in double quotes, variables begin with $)
  42

Strings join with "+" only:

  $ cat > s.mora <<'SCRIPT'
  > $s = "ab" + "cd"
  > echo $s
  > $s = "ab" - "cd"
  > echo $s
  > $q = $_s + $s + $_s
  > echo $q
  > echo "[" + $never_set + "]"
  > $t = "x" "y"
  > $u = "open
  > SCRIPT
  $ "$MORA" -vd1 -nd -nh -f s.mora 2>&1
  abcd
    FIEU005 : Unexpected text: - (the statement should end before it)
  abcd
  "abcd"
  []
    FIEU005 : Unexpected text: "y" (the statement should end before it)
    FIEU003 : Expected " here
