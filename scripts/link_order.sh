#!/usr/bin/env bash
# Writes engine/link_order.txt: the functions a typical run of mora executes,
# which the linker places side by side at the start of the program's code.
# The kernel maps code in blocks around each page a run touches, so code
# that runs spread over the whole binary makes the whole binary resident;
# grouped, a run maps a few blocks and starts with fewer page faults.
#
# It runs a built mora under callgrind over a set of everyday commands (the
# start and exit alone first, then find, list, trees, count and tags), maps
# every executed instruction to the symbol that holds it, and writes the
# symbols profile by profile, each once. Sources: lua and curl from the corpus
# when they are present (more branches run), else the bundled examples.
# Rerun it after a change that renames many hot functions; names that no
# longer exist are skipped by the linker, and scripts/bench_speed.sh says how
# many of the listed names the binary lacks.
# Needs valgrind, nm and python3.
# Usage: scripts/link_order.sh [path/to/mora]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
mora=${1:-$root/build/release/bin/mora}
corpus=${MORA_CORPUS:-$root/../shared/corpus}
for tool in valgrind nm python3; do
  command -v "$tool" > /dev/null || { echo "link_order: $tool is needed" >&2; exit 1; }
done
[ -x "$mora" ] || { echo "link_order: no mora binary at $mora" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Trees and lists over lua; find, count and tags over all of curl, whose
# bytes outside ASCII take the encoding paths too.
if [ -d "$corpus/lua" ] && [ -d "$corpus/curl" ]; then
  find "$corpus/lua" -maxdepth 1 -name '*.c' | sort > "$work/trees.lst"
  find "$corpus/curl" \( -name '*.c' -o -name '*.h' \) | sort > "$work/lines.lst"
else
  echo "link_order: no lua and curl under $corpus (set MORA_CORPUS); profiling the bundled examples" >&2
  find "$root/examples" -name '*.c' | sort > "$work/trees.lst"
  cp "$work/trees.lst" "$work/lines.lst"
fi

runs=0
profile() {
  runs=$((runs + 1))
  valgrind --tool=callgrind --dump-instr=yes --callgrind-out-file="$work/$runs.cg" \
    "$mora" -vd1 -nd -nh "$1" > /dev/null 2>&1
}
profile "exit"
profile "find malloc, \"#include\" from <$work/lines.lst>"
profile "list * from <$work/trees.lst>"
profile "set line ascii; ftree * from <$work/trees.lst>"
profile "rtree * from <$work/trees.lst>"
profile "count * from <$work/lines.lst>"
profile "tags * from <$work/lines.lst>"

nm -n "$mora" > "$work/symbols"
python3 - "$work/symbols" $(seq -f "$work/%g.cg" 1 "$runs") > "$root/engine/link_order.txt" << 'EOF'
# Maps the instruction addresses of each callgrind profile (absolute, or
# relative to the previous one) to the code symbol at or below them.
import bisect, sys
symbols = []
for line in open(sys.argv[1]):
    fields = line.split()
    if len(fields) == 3 and fields[1] in "tTwWiI":
        symbols.append((int(fields[0], 16), fields[2]))
symbols.sort()
starts = [address for address, _ in symbols]
seen = set()
for profile in sys.argv[2:]:
    executed, last = set(), 0
    for line in open(profile):
        if line.startswith("0x"):
            last = int(line.split()[0], 16)
        elif line[0] in "+-":
            last += int(line.split()[0])
        else:
            continue
        executed.add(last)
    # Each profile adds the symbols no earlier one ran, sorted by name so
    # that the list does not depend on the layout of the binary profiled.
    added = set()
    for address in executed:
        i = bisect.bisect_right(starts, address) - 1
        if i >= 0 and symbols[i][1] not in seen:
            added.add(symbols[i][1])
    seen |= added
    for name in sorted(added):
        print(name)
EOF
echo "link_order: $(wc -l < "$root/engine/link_order.txt") functions in engine/link_order.txt"
