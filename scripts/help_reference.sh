#!/bin/sh
# Prints the command reference of the README from the help file: the
# synopsis of every topic (the first line up to a run of two blanks: a
# command's form, a setting's values, a built-in's call), leaving out the
# guide topics, which are prose.
# Usage: scripts/help_reference.sh [path/to/mora.hl]
set -eu
help=${1:-$(dirname "$0")/../data/mora.hl}
awk '
  /^\[/ {
    topic = substr($0, 2, index($0, "]") - 2)
    first = !(topic ~ /^(intro|options|files|encoding|script|variables|set|html|builtins)$/)
    next
  }
  first { sub(/  .*/, ""); print; first = 0 }
' "$help"
