#!/usr/bin/env bash
# Cross-builds mora.exe with mingw-w64 and runs the golden transcripts under
# wine64, then the transcripts of the Windows-only rules (tests/windows/).
# Output is compared with each CR LF folded to LF. Transcripts that need a
# POSIX system are skipped, each with its reason. Without mingw-w64, wine64
# or cram the whole run is skipped with a message. Transcript files given as
# arguments run alone.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

# Transcripts that cannot pass under Windows rules, and why. What they
# test of the engine's own rules on Windows is in tests/windows/.
declare -A skip=(
  [action_config]="runs POSIX commands (cp) through the shell escape, which is cmd.exe"
  [action_example]="expects the POSIX work-file name; GetTempFileName names it mor*.tmp"
  [action_languages]="expects the POSIX work-file name; GetTempFileName names it mor*.tmp"
  [check_define]="sets the POSIX PATH, which wine does not pass to Windows programs"
  [commit_kill]="kills the engine with SIGKILL at random moments of a POSIX commit"
  [exit_codes]="interrupts on a 3 s timer, shorter than mora.exe's start under wine"
  [failure_paths]="makes a file named with \"<>, which Windows forbids; interrupts on a 2 s timer"
  [files_selection]="expects POSIX paths: '/' joins and a backslash escaping in masks"
  [languages]="expects a named directory joined with '/' (src\\shapes.pas on Windows)"
  [library_commands]="runs POSIX commands (cat) through the shell escape, which is cmd.exe"
  [output_order]="runs POSIX commands through the shell escape and system, which go to cmd.exe"
  [utf8_sources]="passes UTF-8 text on the command line, which Windows converts to the ANSI code page"
  [output_echo]="prints the current directory, a drive path (Z:\\...) on Windows"
  [preproc_conditionals]="sets the POSIX PATH, which wine does not pass to Windows programs"
  [startup]="sets the POSIX PATH, which wine does not pass to Windows programs"
  [staging_define]="runs POSIX commands (cat, ls) through the shell escape, which is cmd.exe"
  [install_link]="installs the Linux layout and starts mora through symbolic links"
  [staging_safety]="uses POSIX links, FIFOs and permission bits"
  [staging_two_users]="runs a second POSIX user with setpriv"
  [workbench_analyse]="runs the Linux workbench"
  [workbench_compose]="runs the Linux workbench"
  [workbench_tools]="runs the Linux workbench"
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
"$wineserver" -p 2>/dev/null || true  # already running for this prefix
trap '"$wineserver" -k 2>/dev/null || true' EXIT
"$wine" cmd /c exit 0 >/dev/null 2>&1

# $MORA for the transcripts: mora.exe under wine, each CR LF folded to LF,
# interrupts passed on (see scripts/mora_wine.py).
wrapper=$root/build/windows/mora-wine
cat >"$wrapper" <<WRAP
#!/bin/sh
exec python3 "$root/scripts/mora_wine.py" "$wine" "$bin/mora.exe" "\$@"
WRAP
chmod +x "$wrapper"

# Each transcript runs in its own cram, several at once: most of the time is
# wine starting mora.exe, which waits on the wine server rather than the CPU.
jobs=${MORA_WINE_JOBS:-4}
results=$root/build/windows/results
rm -rf "$results" && mkdir -p "$results"
cram_once() {
  local t=$1 name
  name=$(basename "$t" .t)
  if MORA=$wrapper MORA_EXE=$bin/mora.exe WINE=$wine EXAMPLES=$root/examples \
     GOLDEN=$root/tests/golden TEMPLATES=$root/workbench/templates \
     "$cram" -q --shell=/bin/bash "$t" >"$results/$name.log" 2>&1; then
    return 0
  elif [ -f "$t.err" ] && python3 scripts/fold_crlf_diff.py "$t"; then
    # The files it printed hold CR LF; the same once folded to LF.
    rm -f "$t.err"
    folded=", CR LF folded"
    return 0
  fi
  return 1
}
# A transcript that fails runs once more: on a heavily loaded machine wine now
# and then starts a program that ends at once with code 1 and no output. The
# first run's differences are kept and the pass is marked as a second run.
run_transcript() {
  local t=$1 name started folded=""
  name=$(basename "$t" .t)
  started=$SECONDS
  if cram_once "$t"; then
    echo "pass $name$folded ($((SECONDS - started)) s)"
    return
  fi
  [ -f "$t.err" ] && mv "$t.err" "$results/$name.first.err"
  if cram_once "$t"; then
    echo "pass $name$folded on the second run, first run's differences in $results/$name.first.err ($((SECONDS - started)) s)"
  else
    echo "FAIL $name ($((SECONDS - started)) s)"
    touch "$results/$name.failed"
  fi
}

# Names of transcripts on the command line run those alone.
transcripts=(tests/golden/*.t tests/windows/*.t)
if (($#)); then transcripts=("$@"); fi
for t in "${transcripts[@]}"; do
  name=$(basename "$t" .t)
  if [ -n "${skip[$name]:-}" ]; then
    echo "skip $name: ${skip[$name]}"
    continue
  fi
  while (($(jobs -rp | wc -l) >= jobs)); do wait -n || true; done
  run_transcript "$t" &
done
wait

failed=()
for f in "$results"/*.failed; do
  [ -e "$f" ] || continue
  name=$(basename "$f" .failed)
  failed+=("$name")
  cat "$results/$name.log"
done
echo "test_windows: ${#failed[@]} failed${failed:+: ${failed[*]}}"
((${#failed[@]} == 0))
