#!/usr/bin/env bash
# Screenshots of the workbench in a real (virtual) X session: the main window with
# the sample group, the analysis dialog, the call tree result, the source after a
# tag jump, every page of the three option sheets, and the build window after F7. Needs xvfb and fonts-noto-cjk (scripts/deps.sh installs them) and a
# build (default: the asan preset). Writes PNGs to the directory given (default
# build/screenshots); the profile is a fresh one in a temporary directory.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
preset="${PRESET:-asan}"
build="$root/build/$preset"
out="${1:-$root/build/screenshots}"
mkdir -p "$out"
nice -n 10 cmake --build --preset "$preset" --target veldra_screenshot_tour mora >/dev/null
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# The group lists its files relative to itself: copy the sample so nothing is
# written into the source tree.
cp "$root"/examples/calc/*.c "$root"/examples/calc/*.h "$root"/examples/calc/calc.vgp \
  "$root"/examples/calc/build.vgp "$root"/examples/calc/Makefile "$root"/examples/calc/input.txt "$work/"
mkdir -p "$work/config"
cd "$work"
XDG_CONFIG_HOME="$work/config" LSAN_OPTIONS="suppressions=$root/workbench/lsan.supp" \
  timeout 300 xvfb-run -a -s "-screen 0 1280x800x24" \
  "$build/tools/veldra_screenshot_tour" "$build/bin" "$work/calc.vgp" "$out"
ls -l "$out"
