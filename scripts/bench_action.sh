#!/bin/sh
# Action diagrams over a real C codebase: every function of the first C files
# of the tree up to 1x, 2x and 4x the base line count, timed, so that growth
# with the input shows; then one source with a 50 MB line. Each run must
# leave no work or intermediate file behind and print no message.
# Usage: scripts/bench_action.sh [source-root] [build-dir] [base-lines]
# Skips (exit 0) when the sources or the binary are absent.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
src=${1:-/tmp/realsrc/glibc-2.36}
build=${2:-$root/build/release}
base=${3:-100000}
mora=$build/bin/mora
if [ ! -d "$src" ]; then
  echo "skipped: no sources at $src (apt-get install glibc-source; unpack under /tmp)"
  exit 0
fi
if [ ! -x "$mora" ]; then
  echo "skipped: no mora binary at $mora"
  exit 0
fi
mora=$(cd "$(dirname "$mora")" && pwd)/mora
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/tmp"
export TMP="$work/tmp"

find "$src" -type f -name '*.c' | sort | xargs wc -l | grep -v ' total$' > "$work/sizes"

# run NAME LIST: action over the files of LIST; seconds, peak KiB, lines out.
run() {
  printf 'set echo off\nset line ascii\naction * from <%s>\n' "$2" > "$work/s.mora"
  /usr/bin/time -f '%e %U %M' -o "$work/time" "$mora" -vd1 -nd -nh -f "$work/s.mora" \
    > "$work/$1.out" 2> "$work/$1.err"
  lines=$(awk '{ n += $1 } END { print n }' "$work/$1.in")
  printf '%-8s %8s lines in %6ss wall %6ss cpu %8s KiB %9s lines out  %s messages\n' "$1" "$lines" \
    $(cat "$work/time") "$(wc -l < "$work/$1.out")" "$(wc -l < "$work/$1.err")"
  if [ -n "$(ls "$work/tmp")" ]; then
    echo "FAIL: files left behind: $(ls "$work/tmp")"
    exit 1
  fi
}

for factor in 1 2 4; do
  awk -v limit=$((base * factor)) 'n < limit { n += $1; print }' "$work/sizes" > "$work/${factor}x.in"
  awk '{ print $2 }' "$work/${factor}x.in" > "$work/${factor}x.lst"
  run "${factor}x" "$work/${factor}x.lst"
done

# One function whose body is a single 50 MB line.
{ printf 'int f(void)\n{\n'; head -c 52428800 /dev/zero | tr '\0' 'a'; printf '\n}\n'; } > "$work/long.c"
echo "1 $work/long.c" > "$work/long.in"
echo "$work/long.c" > "$work/long.lst"
run long "$work/long.lst"
