#!/usr/bin/env bash
# Checks the engine's layers and formatting, builds everything with
# AddressSanitizer and UndefinedBehaviorSanitizer and runs every test: unit
# tests and golden transcripts; then cross-builds the Windows engine and runs
# the transcripts under wine64. The program users run (optimised, static, its
# hot code grouped) is built by the demonstration and must print what the
# tested build prints.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/check_layers.sh
scripts/check_format.sh
cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan
scripts/demo.sh > /dev/null
for build in demo asan; do
  (cd examples && ../build/$build/bin/mora -vd1 -nd -nh -f demo.mora > ../build/demo/$build.out 2>&1)
done
cmp build/demo/demo.out build/demo/asan.out
scripts/test_windows.sh
