#!/usr/bin/env bash
# Cross-builds mora.exe with mingw-w64 and runs the golden transcripts under
# wine64, then the transcripts of the Windows-only rules (tests/windows/).
# Output is compared with each CR LF folded to LF. Transcripts that need a
# POSIX system are skipped, each with its reason. Without mingw-w64, wine64
# or cram the whole run is skipped with a message.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

# Transcripts that cannot pass under Windows rules, and why.
declare -A skip=(
  [commit_kill]="stops the engine with POSIX signals (kill)"
  [install_link]="installs through POSIX symbolic links"
  [staging_safety]="uses POSIX links, FIFOs and permission bits"
  [staging_two_users]="runs a second POSIX user with su"
  [workbench_analyse]="runs the Linux workbench"
  [workbench_compose]="runs the Linux workbench"
)

wine=$(command -v wine64 || true)
[ -n "$wine" ] || { [ -x /usr/lib/wine/wine64 ] && wine=/usr/lib/wine/wine64; } || true
cram=$(command -v cram3 || command -v cram || true)
if ! command -v x86_64-w64-mingw32-g++-posix >/dev/null || [ -z "$wine" ] || [ -z "$cram" ]; then
  echo "test_windows: skipped: needs g++-mingw-w64-x86-64-posix, wine64 and cram"
  exit 0
fi

cmake --preset windows >/dev/null
cmake --build --preset windows
bin=$root/build/windows/bin

# One wine prefix for the build tree, and one wine server kept running for
# the whole run, so each start of mora.exe takes a fraction of a second.
export WINEPREFIX=$root/build/windows/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineserver=$(dirname "$(readlink -f "$wine")")/wineserver
"$wineserver" -p
trap '"$wineserver" -k 2>/dev/null || true' EXIT
"$wine" cmd /c exit 0 >/dev/null 2>&1

# $MORA for the transcripts: mora.exe under wine, each CR LF folded to LF.
# When both streams go to one place (as in a transcript) one filter keeps
# their order.
wrapper=$root/build/windows/mora-wine
cat >"$wrapper" <<WRAP
#!/usr/bin/env bash
set -o pipefail
fold() { sed -u 's/\r\$//'; }
if [ /proc/self/fd/1 -ef /proc/self/fd/2 ]; then
  "$wine" "$bin/mora.exe" "\$@" 2>&1 | fold
else
  { "$wine" "$bin/mora.exe" "\$@" 2> >(fold >&2); } | fold
fi
WRAP
chmod +x "$wrapper"

failed=() passed=0
for t in tests/golden/*.t tests/windows/*.t; do
  name=$(basename "$t" .t)
  if [ -n "${skip[$name]:-}" ]; then
    echo "skip $name: ${skip[$name]}"
    continue
  fi
  if MORA=$wrapper MORA_EXE=$bin/mora.exe WINE=$wine EXAMPLES=$root/examples \
     GOLDEN=$root/tests/golden TEMPLATES=$root/workbench/templates \
     "$cram" -q --shell=/bin/bash "$t" >"build/windows/$name.log" 2>&1; then
    passed=$((passed + 1))
  else
    failed+=("$name")
    cat "build/windows/$name.log"
  fi
done
echo "test_windows: $passed passed, ${#failed[@]} failed${failed:+: ${failed[*]}}"
((${#failed[@]} == 0))
