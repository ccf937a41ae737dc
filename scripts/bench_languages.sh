#!/bin/sh
# Times the Basic and Pascal scanners of the release binary next to Universal
# Ctags on the same files: `tags` against `ctags -x`, plus `list`, `action`
# and `count` and the scanners' linearity (the Pascal files once and twice).
#  - Basic: the vb6 corpus beside the checkout (../shared/corpus/vb6, or
#    MORA_CORPUS/vb6);
#  - Pascal: Debian's fpc-source-3.2.2 unpacked under /tmp/fpc
#    (apt-get download fpc-source-3.2.2; dpkg -x fpc-source-*.deb /tmp/fpc).
# Each part skips when its sources are absent.
# Usage: scripts/bench_languages.sh [path/to/mora]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
mora=${1:-$root/build/release/bin/mora}
if [ ! -x "$mora" ]; then
  echo "skipped: no mora binary at $mora (build a release tree or pass its path)"
  exit 0
fi
mora=$(cd "$(dirname "$mora")" && pwd)/$(basename "$mora")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# run NAME COMMAND...: wall seconds, peak KiB and output lines of one run.
run() {
  name=$1
  shift
  /usr/bin/time -f '%e %M' -o "$work/time" "$@" > "$work/out" 2> /dev/null || true
  printf '%-30s %6ss %8s KiB %8s lines\n' "$name" $(cat "$work/time") "$(wc -l < "$work/out")"
}

# bench LANGUAGE CTAGS-LANGUAGE LIST-FILE
bench() {
  lines=$(cat $(cat "$3") | wc -l)
  echo "== $1: $(wc -l < "$3") files, $lines lines; load: $(cut -d' ' -f1-3 /proc/loadavg)"
  run "mora tags" "$mora" -vd1 -nd -nh "set language $1; tags * from <$3>"
  if command -v ctags > /dev/null; then
    run "ctags -x --languages=$2" ctags -x --languages="$2" -L "$3"
  else
    echo "skipped: ctags not installed (apt-get install universal-ctags)"
  fi
  run "mora list" "$mora" -vd1 -nd -nh "set language $1; list * from <$3>"
  run "mora count" "$mora" -vd1 -nd -nh "set language $1; count * from <$3>"
  # The action diagram of every routine, drawn in ASCII from a directory of
  # its own (the work and intermediate files land there).
  mkdir -p "$work/action"
  (cd "$work/action" && export TMP="$work/action" && run "mora action" "$mora" -vd1 -nd -nh \
    "set language $1; set line ascii; action * from <$3>")
  cat "$3" "$3" > "$work/twice.lst"
  run "mora count (files twice)" "$mora" -vd1 -nd -nh "set language $1; count * from <$work/twice.lst>"
}

vb6=${MORA_CORPUS:-$root/../shared/corpus}/vb6
if [ -d "$vb6" ]; then
  find "$vb6" -maxdepth 1 \( -name '*.bas' -o -name '*.frm' \) | sort > "$work/basic.lst"
  bench basic Basic "$work/basic.lst"
else
  echo "skipped: no Basic corpus at $vb6"
fi

fpc=$(ls -d /tmp/fpc/usr/share/fpcsrc/* 2> /dev/null | head -n 1 || true)
if [ -n "$fpc" ]; then
  find "$fpc/rtl" "$fpc/packages" \( -name '*.pas' -o -name '*.pp' \) | sort > "$work/pascal.lst"
  bench pascal Pascal "$work/pascal.lst"
else
  echo "skipped: no Pascal sources under /tmp/fpc (apt-get download fpc-source-3.2.2)"
fi
