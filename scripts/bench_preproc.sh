#!/bin/sh
# Times `itree` and `check define` of the release binary over the headers and
# sources of a few glibc directories, and a function list with the ifdef
# setting on and an empty define list over the same files: wall time, peak
# memory and output lines of each run. A second itree run over the files
# over half of the files shows how the time grows with the input.
# Skips when the sources or the binary are missing.
# Usage: scripts/bench_preproc.sh [path/to/mora]
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

dirs="include elf stdio-common malloc libio string posix"
src=${MORA_BENCH_SRC:-$(ls -d /tmp/realsrc/glibc-* 2>/dev/null | head -n 1 || true)}
if [ -z "$src" ] || [ ! -d "$src/include" ]; then
  tarball=$(ls /usr/src/glibc/glibc-*.tar.xz 2>/dev/null | head -n 1 || true)
  if [ -z "$tarball" ]; then
    echo "skipped: no glibc sources (apt-get install glibc-source)"
    exit 0
  fi
  patterns=""
  for d in $dirs; do patterns="$patterns */$d/*"; done
  (cd "$work" && tar xJf "$tarball" --wildcards $patterns)
  src=$(ls -d "$work"/glibc-* | head -n 1)
fi
cd "$src"
find $dirs -maxdepth 1 \( -name '*.c' -o -name '*.h' \) | sort > "$work/files.lst"
head -n $(($(wc -l < "$work/files.lst") / 2)) "$work/files.lst" > "$work/half.lst"
includes=$(cat $(cat "$work/files.lst") | grep -c '^#[ 	]*include' || true)
echo "input: $(wc -l < "$work/files.lst") files, $(cat $(cat "$work/files.lst") | wc -l) lines, $includes include directives of $(basename "$src") ($dirs)"

measure() {
  name=$1
  shift
  /usr/bin/time -v "$@" > "$work/out.txt" 2> "$work/time.txt" || true
  awk -v name="$name" -v lines="$(wc -l < "$work/out.txt")" '
    /Elapsed \(wall clock\)/ { wall = $NF }
    /Maximum resident set size/ { rss = $NF }
    END { printf "%-22s %10s s %8d KB  %9d output lines\n", name, wall, rss, lines }
  ' "$work/time.txt"
  grep -hE '^ *FIE[USCIRXB][0-9]{3} :' "$work/out.txt" "$work/time.txt" | sort | uniq -c | head -5 || true
}

: > "$work/empty.def"
measure "itree (half the files)" "$mora" -vd1 -nd -nh "set line ascii; itree <$work/half.lst>"
measure "itree" "$mora" -vd1 -nd -nh "set line ascii; itree <$work/files.lst>"
measure "check define" "$mora" -vd1 -nd -nh "check define <$work/files.lst>"
measure "list, ifdef off" "$mora" -vd1 -nd -nh "list * from <$work/files.lst>"
measure "list, ifdef on" "$mora" -vd1 -nd -nh "set ifdef on; load define $work/empty.def; list * from <$work/files.lst>"
