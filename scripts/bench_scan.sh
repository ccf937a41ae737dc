#!/bin/sh
# Times the C scanner of the release binary on N and 2N source lines, so a
# loss of linearity shows at once. Uses the glibc sources when the
# glibc-source package is installed, generated C otherwise.
# Usage: scripts/bench_scan.sh [path/to/mora]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
mora=${1:-$root/build/release/bin/mora}
if [ ! -x "$mora" ]; then
  echo "no mora binary at $mora (build the release preset or pass its path)" >&2
  exit 1
fi
mora=$(cd "$(dirname "$mora")" && pwd)/$(basename "$mora")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

tarball=$(ls /usr/src/glibc/glibc-*.tar.xz 2>/dev/null | head -n 1 || true)
if [ -n "$tarball" ]; then
  echo "input: C sources of $(basename "$tarball")"
  tar xJf "$tarball" --wildcards '*/stdio-common/*.c' '*/string/*.c' '*/malloc/*.c' '*/libio/*.c'
  find . -name '*.c' | sort | xargs cat > one.src
  mv one.src one.c
  copies=1
else
  echo "input: generated C"
  i=0
  # One file holds fewer functions than the body table has slots.
  while [ $i -lt 3000 ]; do
    printf '/* function %d */\nstatic int\nf%d(int a, int b)\n{\n    if (a > b) {\n        return g%d(a) + "{"[0];\n    }\n    return h(b);\n}\n\n' $i $i $i
    i=$((i + 1))
  done > one.c
  copies=4
fi
list() {
  n=$1 sep=''
  while [ "$n" -gt 0 ]; do printf '%sone.c' "$sep"; sep=', '; n=$((n - 1)); done
}
lines=$(($(wc -l < one.c) * copies))

seconds() {
  start=$(date +%s.%N)
  "$mora" -vd1 -nd -nh "$1" > /dev/null 2>&1 || true
  end=$(date +%s.%N)
  awk -v a="$start" -v b="$end" 'BEGIN { printf "%.2f", b - a }'
}

# Files are scanned one by one, so N and 2N lines are one and two copies.
for command in import type; do
  t1=$(seconds "$command * from $(list $copies)")
  t2=$(seconds "$command * from $(list $((copies * 2)))")
  echo "$command: $lines lines ${t1}s, $((lines * 2)) lines ${t2}s"
done
