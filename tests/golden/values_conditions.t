Conditions: truth of a value, integer or byte comparison chosen by the left
operand, negation, and strictly left-to-right "&&" and "||".

  $ cd "$CRAMTMP"

  $ cat > s.mora <<'SCRIPT'
  > $x = false
  > if ($x == true) {
  >   echo "equal"
  > }
  > else {
  >   echo "not equal"
  > }
  > if ($x) {
  >   echo "x holds"
  > }
  > if (!$x) {
  >   echo "x is empty"
  > }
  > $zero = "0"
  > if (!$zero) {
  >   echo "0 does not hold"
  > }
  > SCRIPT
  $ "$MORA" -vd1 -nd -nh -f s.mora 2>&1
  not equal
  x is empty
  0 does not hold

An integer on the left compares as integers, anything else byte by byte:

  $ cat > s.mora <<'SCRIPT'
  > $%n = 10
  > $s = "10"
  > if ($%n > 9) {
  >   echo "10 > 9 as integers"
  > }
  > if ($s > "9") {
  >   echo "never"
  > }
  > else {
  >   echo "10 < 9 as bytes"
  > }
  > if (9 < $s) {
  >   echo "9 < 10 as integers"
  > }
  > if ($s <> "10") {
  >   echo "never"
  > }
  > SCRIPT
  $ "$MORA" -vd1 -nd -nh -f s.mora 2>&1
  10 > 9 as integers
  10 < 9 as bytes
  9 < 10 as integers

Parentheses hold one comparison; "&&" and "||" have no precedence:

  $ cat > s.mora <<'SCRIPT'
  > $a = 1
  > $b = 2
  > if (($a == 1) && ($b == 2)) {
  >   echo "both"
  > }
  > if ($a == 1 || $b == 3 && $a == 2) {
  >   echo "never: (1 || 0) && 0"
  > }
  > if (!($a == 2) && $b) {
  >   echo "negated group"
  > }
  > if (($a == 1 || $b == 2)) {
  >   echo "never"
  > }
  > if ($a = 1) {
  >   echo "never"
  > }
  > if ($a == 1 & $b) {
  >   echo "never"
  > }
  > SCRIPT
  $ "$MORA" -vd1 -nd -nh -f s.mora 2>&1
  both
  negated group
    FIEU003 : Expected ) here
    FIEU028 : Invalid operator: =
    FIEU028 : Invalid operator: &
