#!/bin/bash
# Measures the engine next to its peers on the public sources beside the
# checkout (../shared/corpus, or MORA_CORPUS): lua's .c files and curl's
# .c/.h files. Each pair runs interleaved, MORA_BENCH_ROUNDS times (5), and
# the medians give the ratios: how many times faster mora is than
#   cflow --brief / --reverse --brief   (ftree, rtree; lua and curl/lib)
#   cloc --by-file                      (count, curl)
#   ctags -x --c-kinds=f                (tags, curl)
#   grep -n -F                          (find, curl; below 1 means slower)
# with the peak memory of both, the growth of time and memory when the
# input is eight times larger, and the start-up time. Timings are only
# comparable within one run; the load is printed beside them.
# How a run is measured: bash's own `time` keyword times the bare command
# (no process forked for the clock or a wrapper), giving its wall time and
# its processor time (user and system) in milliseconds; process start-up
# stays inside both tools' figures, since the user pays it too. Peak memory
# comes from a second, separate run of the same command under /usr/bin/time.
# Skips when the corpus or the binary is missing, and each pair whose peer
# is not installed (apt-get install cflow cloc universal-ctags time).
# Usage: scripts/bench_speed.sh [path/to/mora]
set -eu
# Times print with a decimal point, as awk reads them.
export LC_ALL=C
root=$(cd "$(dirname "$0")/.." && pwd)
mora=${1:-$root/build/release/bin/mora}
rounds=${MORA_BENCH_ROUNDS:-5}
# Beside the checkout, or beside the folder of worktrees.
corpus=${MORA_CORPUS:-$root/../shared/corpus}
[ -d "$corpus" ] || [ -n "${MORA_CORPUS:-}" ] || corpus=$root/../../shared/corpus
if [ ! -x "$mora" ]; then
  echo "skipped: no mora binary at $mora (build the release preset or pass its path)"
  exit 0
fi
if [ ! -d "$corpus/lua" ] || [ ! -d "$corpus/curl" ]; then
  echo "skipped: no lua and curl sources under $corpus"
  exit 0
fi
if [ ! -x /usr/bin/time ]; then
  echo "skipped: /usr/bin/time is missing (apt-get install time)"
  exit 0
fi
mora=$(cd "$(dirname "$mora")" && pwd)/$(basename "$mora")
corpus=$(cd "$corpus" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

find "$corpus/lua" -maxdepth 1 -name '*.c' | sort > "$work/lua.lst"
find "$corpus/curl/lib" -name '*.c' | sort > "$work/curllib.lst"
find "$corpus/curl" \( -name '*.c' -o -name '*.h' \) | sort > "$work/curl.lst"
for i in 1 2 3 4 5 6 7 8; do cat "$work/curl.lst"; done > "$work/curl8.lst"
lines() { cat $(cat "$1") | wc -l; }
echo "lua: $(wc -l < "$work/lua.lst") .c files, $(lines "$work/lua.lst") lines;" \
  "curl/lib: $(wc -l < "$work/curllib.lst") .c files; curl: $(wc -l < "$work/curl.lst")" \
  ".c/.h files, $(lines "$work/curl.lst") lines; $rounds interleaved rounds"

# sample NAME COMMAND...: one run's wall and processor microseconds, then a
# second run's peak KiB, appended to NAME's samples as "wall peak processor".
# On a busy machine the processor time is the steadier measure. Output goes
# to a file, as a report's reader would take it.
sample() {
  local name=$1 TIMEFORMAT='%3R %3U %3S'
  shift
  { time "$@" > "$work/out" 2> /dev/null; } 2> "$work/times" || true
  /usr/bin/time -f '%M' -o "$work/rss" "$@" > "$work/out" 2> /dev/null || true
  echo "$(tail -n 1 "$work/times") $(tail -n 1 "$work/rss")" |
    awk '{ printf "%d %d %d\n", $1 * 1000000, $4, ($2 + $3) * 1000000 }' >> "$work/$name.samples"
}

# median NAME COLUMN: the median of one column of NAME's samples.
median() {
  cut -d' ' -f"$2" "$work/$1.samples" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}

have() { command -v "$1" > /dev/null; }

m() { sample "$1" "$mora" -vd1 -nd -nh "$2"; }

r=0
while [ "$r" -lt "$rounds" ]; do
  r=$((r + 1))
  m ftree-lua "set line ascii; ftree * from <$work/lua.lst>"
  have cflow && sample cflow-lua cflow --brief $(cat "$work/lua.lst")
  m rtree-lua "set line ascii; rtree * from <$work/lua.lst>"
  have cflow && sample cflowr-lua cflow --reverse --brief $(cat "$work/lua.lst")
  m ftree-curllib "set line ascii; ftree * from <$work/curllib.lst>"
  have cflow && sample cflow-curllib cflow --brief $(cat "$work/curllib.lst")
  m rtree-curllib "set line ascii; rtree * from <$work/curllib.lst>"
  have cflow && sample cflowr-curllib cflow --reverse --brief $(cat "$work/curllib.lst")
  m count-curl "count * from <$work/curl.lst>"
  have cloc && sample cloc-curl cloc --quiet --by-file --list-file="$work/curl.lst"
  m tags-curl "tags * from <$work/curl.lst>"
  have ctags && sample ctags-curl ctags -x --c-kinds=f -L "$work/curl.lst"
  m find-curl "find malloc, \"#include\" from <$work/curl.lst>"
  sample grep-curl grep -n -F -e malloc -e '#include' $(cat "$work/curl.lst")
  m count-curl8 "count * from <$work/curl8.lst>"
  m exit "exit"
done

# ratio LABEL MORA PEER GOAL: peer time over mora time, and both peaks.
ratio() {
  if [ ! -f "$work/$3.samples" ]; then
    printf '%-34s skipped: peer not installed\n' "$1"
    return
  fi
  mt=$(median "$2" 1)
  pt=$(median "$3" 1)
  mc=$(median "$2" 3)
  pc=$(median "$3" 3)
  awk -v l="$1" -v mt="$mt" -v pt="$pt" -v mc="$mc" -v pc="$pc" -v mm="$(median "$2" 2)" \
    -v pm="$(median "$3" 2)" -v g="$4" 'BEGIN {
      cpu = mc > 0 ? sprintf("%6.2fx", pc / mc) : "     -"
      printf "%-34s %7.1f %7.1f ms %6.2fx  cpu %7.0f %7.0f ms %s  (goal %s)  %6d %6d KiB\n",
        l, mt / 1000, pt / 1000, pt / mt, mc / 1000, pc / 1000, cpu, g, mm, pm }'
}

echo "load: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "columns: wall mora, peer, ratio; processor time mora, peer, ratio; peak memory mora, peer"
ratio "ftree lua vs cflow --brief" ftree-lua cflow-lua ">=5"
ratio "rtree lua vs cflow --reverse" rtree-lua cflowr-lua ">=5"
ratio "ftree curl/lib vs cflow --brief" ftree-curllib cflow-curllib ">=10"
ratio "rtree curl/lib vs cflow --reverse" rtree-curllib cflowr-curllib ">=10"
ratio "count curl vs cloc --by-file" count-curl cloc-curl ">=20"
ratio "tags curl vs ctags -x" tags-curl ctags-curl ">=4"
ratio "find curl vs grep -n -F" find-curl grep-curl ">=0.83"
awk -v t1="$(median count-curl 1)" -v t8="$(median count-curl8 1)" \
  -v m1="$(median count-curl 2)" -v m8="$(median count-curl8 2)" \
  -v c1="$(median count-curl 3)" -v c8="$(median count-curl8 3)" \
  'BEGIN { printf "count, 8x the input: %.2fx the wall time, %.2fx the processor time (goal <=8.5), %.2fx the peak memory\n",
    t8 / t1, (c1 > 0 ? c8 / c1 : 0), m8 / m1 }'
if [ -f "$root/engine/link_order.txt" ] && command -v nm > /dev/null; then
  nm "$mora" | awk '{ print $NF }' | sort -u > "$work/symbols"
  echo "link order: $(sort -u "$root/engine/link_order.txt" | comm -23 - "$work/symbols" | wc -l)" \
    "of $(wc -l < "$root/engine/link_order.txt") listed functions not in this mora" \
    "(many: rerun scripts/link_order.sh)"
fi
awk -v t="$(median exit 1)" -v c="$(median exit 3)" -v m="$(median exit 2)" \
  'BEGIN { printf "start-up (exit alone): %.1f ms wall, %.1f ms processor, %d KiB\n", t / 1000, c / 1000, m }'
echo "load: $(cut -d' ' -f1-3 /proc/loadavg)"
