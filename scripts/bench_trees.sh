#!/bin/sh
# Times `ftree * from` and `rtree * from` of the release binary over about
# 100 000 lines of real C (three directories of the glibc sources), next to
# GNU cflow on the same files: wall time and peak memory of each run.
# Skips when the sources, cflow or the binary are missing.
# Usage: scripts/bench_trees.sh [path/to/mora]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
mora=${1:-$root/build/release/bin/mora}
if [ ! -x "$mora" ]; then
  echo "skipped: no mora binary at $mora (build a release tree or pass its path)"
  exit 0
fi
mora=$(cd "$(dirname "$mora")" && pwd)/$(basename "$mora")
if [ ! -x /usr/bin/time ]; then
  echo "skipped: /usr/bin/time is missing (apt-get install time)"
  exit 0
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Unpacked sources (MORA_BENCH_SRC, or /tmp/realsrc), else the tarball of
# the glibc-source package unpacked into the work directory.
dirs="elf stdio-common malloc"
src=${MORA_BENCH_SRC:-$(ls -d /tmp/realsrc/glibc-* 2>/dev/null | head -n 1 || true)}
if [ -z "$src" ] || [ ! -d "$src/elf" ]; then
  tarball=$(ls /usr/src/glibc/glibc-*.tar.xz 2>/dev/null | head -n 1 || true)
  if [ -z "$tarball" ]; then
    echo "skipped: no glibc sources (apt-get install glibc-source)"
    exit 0
  fi
  (cd "$work" && tar xJf "$tarball" --wildcards '*/elf/*.c' '*/stdio-common/*.c' '*/malloc/*.c')
  src=$(ls -d "$work"/glibc-* | head -n 1)
fi
cd "$src"
find $dirs -maxdepth 1 -name '*.c' | sort > "$work/files.lst"
echo "input: $(wc -l < "$work/files.lst") files, $(cat $(cat "$work/files.lst") | wc -l) lines of $(basename "$src") ($dirs)"
echo "functions: $("$mora" -vd1 -nd -nh "list * from <$work/files.lst>" 2>/dev/null | wc -l)"

# One run: its name, wall time and peak resident memory; the output is kept
# to count its lines.
measure() {
  name=$1
  shift
  /usr/bin/time -v "$@" > "$work/out.txt" 2> "$work/time.txt" || true
  awk -v name="$name" -v lines="$(wc -l < "$work/out.txt")" '
    /Elapsed \(wall clock\)/ { wall = $NF }
    /Maximum resident set size/ { rss = $NF }
    END { printf "%-14s %10s s %8d KB  %8d output lines\n", name, wall, rss, lines }
  ' "$work/time.txt"
  grep -hE '^ *FIE[USCIRXB][0-9]{3} :' "$work/out.txt" "$work/time.txt" || true
}

measure "mora ftree" "$mora" -vd1 -nd -nh "set line ascii; ftree * from <$work/files.lst>"
measure "mora rtree" "$mora" -vd1 -nd -nh "set line ascii; rtree * from <$work/files.lst>"
if command -v cflow > /dev/null; then
  measure "cflow" cflow -o - $(cat "$work/files.lst")
  measure "cflow -r" cflow -r -o - $(cat "$work/files.lst")
else
  echo "cflow is not installed (apt-get install cflow): no comparison"
fi
