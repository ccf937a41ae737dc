#!/bin/sh
# Lists every include in the engine that points up the layers instead of down.
# The layers, lowest first: core (interpreter, platform, file layer),
# analysis (scanners, function database, preprocessor), reports (report
# commands), commands (the command table and the program's assembly). A file
# may include its own layer and the ones below it. Prints nothing and exits 0
# when every include points down; otherwise prints each offending line and
# exits 1.
# Usage: scripts/check_layers.sh
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root/engine"

rank() {
  case $1 in
    core) echo 0 ;;
    analysis) echo 1 ;;
    reports) echo 2 ;;
    commands) echo 3 ;;
    *) echo -1 ;;
  esac
}

found=0
for layer in core analysis reports commands; do
  [ -d "$layer" ] || continue
  own=$(rank "$layer")
  # file:line:#include "target/..."; only quoted includes of engine folders count.
  wrong=$(grep -rnE --include='*.h' --include='*.cc' '^[[:space:]]*#[[:space:]]*include[[:space:]]+"(core|analysis|reports|commands)/' "$layer" |
    while IFS= read -r hit; do
      target=$(printf '%s\n' "$hit" | sed -E 's/^[^"]*"([a-z]+)\/.*/\1/')
      if [ "$(rank "$target")" -gt "$own" ]; then printf 'engine/%s\n' "$hit"; fi
    done)
  if [ -n "$wrong" ]; then
    printf '%s\n' "$wrong"
    found=1
  fi
done
exit $found
