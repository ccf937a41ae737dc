#!/usr/bin/env bash
# Renders the three setup dialogs ("はじめに", "Veldra/C Setup", "環境設定") under
# Xvfb into PNG files: scripts/setup_screenshots.sh [preset] [output directory]
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-asan}"
out="${2:-build/$preset/screenshots}"
nice -n 10 cmake --build --preset "$preset" --target vdsetup_screens >/dev/null
mkdir -p "$out"
# The session bus library keeps a buffer to the end; it is not ours to free.
ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0}" \
  xvfb-run -a -s "-screen 0 1024x768x24" "build/$preset/bin/vdsetup_screens" "$out"
