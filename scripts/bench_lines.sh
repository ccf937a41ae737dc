#!/bin/sh
# Checks count, tags and find against a real C codebase and measures them:
#  - every count entry adds up (lines = code + comment + blank) and every
#    file's total is its physical line count (unit test RealSources.*);
#  - tags lists every function the scanner records, at a line with its name;
#  - time against cloc and ctags, and peak memory over the whole tree
#    against that over its largest file.
# Usage: scripts/bench_lines.sh [source-root] [build-dir]
# Skips (exit 0) when the sources or the tools are absent.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
src=${1:-/tmp/realsrc/glibc-2.36}
build=${2:-$root/build/release}
mora=$build/bin/mora
# The invariants run in the unit test binary of this build, else of the
# debug build beside it.
tests=$build/bin/mora_unit_tests
[ -x "$tests" ] || tests=$root/build/asan/bin/mora_unit_tests
if [ ! -d "$src" ]; then
  echo "skipped: no sources at $src (apt-get install glibc-source; unpack under /tmp)"
  exit 0
fi
if [ ! -x "$mora" ]; then
  echo "skipped: no mora binary at $mora"
  exit 0
fi
src=$(cd "$src" && pwd)
mora=$(cd "$(dirname "$mora")" && pwd)/mora
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

find "$src" -type f \( -name '*.c' -o -name '*.h' \) | sort > "$work/all.lst"
find "$src" -type f -name '*.c' | sort > "$work/c.lst"
largest=$(xargs wc -c < "$work/all.lst" | grep -v ' total$' | sort -n | tail -n 1 | awk '{print $2}')
echo "tree: $src: $(wc -l < "$work/all.lst") files (.c and .h), $(cat "$work/all.lst" | xargs cat | wc -l) lines"
echo "largest file: $largest ($(wc -c < "$largest") bytes)"

echo "== invariants"
if [ -x "$tests" ]; then
  MORA_REAL_SOURCES=$src "$tests" --gtest_filter='RealSources.*' --gtest_brief=1
else
  echo "skipped: no unit test binary at $tests"
fi

# run NAME SCRIPT: runs mora on SCRIPT, prints elapsed seconds and peak KiB.
run() {
  printf 'set echo off\n%s\n' "$2" > "$work/s.mora"
  /usr/bin/time -f '%e %M' -o "$work/time" "$mora" -vd1 -nd -nh -f "$work/s.mora" > "$work/$1.out" 2> "$work/$1.err"
  printf '%-28s %6ss %8s KiB  %s lines out\n' "$1" $(cat "$work/time") "$(wc -l < "$work/$1.out")"
}

echo "== time and peak memory"
run count-tree "count * from <$work/all.lst>"
run count-largest "count * from $largest"
run tags-tree "tags * from <$work/c.lst>"
run tags-largest "tags * from $largest"
run find-tree "find malloc, \"#include\" from <$work/all.lst>"
run find-largest "find malloc, \"#include\" from $largest"
run find-tree-nocase "set case off; find MALLOC from <$work/all.lst>"
run list-tree "list * from <$work/c.lst>"
grep -h 'FIE' "$work"/*.err | sort | uniq -c | head -n 5 || true

echo "== count vs cloc"
grep -E '^ total: ' "$work/count-tree.out" | awk '{print "mora count: lines " $2 ", code " $3 ", comment " $4}'
if command -v cloc > /dev/null; then
  /usr/bin/time -f '%e %M' -o "$work/time" cloc --quiet --list-file="$work/all.lst" > "$work/cloc.out" 2>&1
  printf 'cloc: %ss %s KiB\n' $(cat "$work/time")
  grep -E '^(C|C/C\+\+ Header|SUM):' "$work/cloc.out" || true
else
  echo "skipped: cloc not installed"
fi

echo "== tags vs ctags"
if command -v ctags > /dev/null; then
  /usr/bin/time -f '%e %M' -o "$work/time" ctags -x --c-kinds=f -L "$work/c.lst" > "$work/ctags.out" 2> /dev/null
  printf 'ctags: %ss %s KiB, %s functions; mora tags: %s functions; list: %s lines\n' \
    $(cat "$work/time") "$(wc -l < "$work/ctags.out")" "$(wc -l < "$work/tags-tree.out")" \
    "$(wc -l < "$work/list-tree.out")"
else
  echo "skipped: ctags not installed"
fi
