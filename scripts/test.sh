#!/usr/bin/env bash
# Checks the engine's layers and formatting, builds everything with
# AddressSanitizer and UndefinedBehaviorSanitizer and runs every test: unit
# tests and golden transcripts; then cross-builds the Windows engine and runs
# the transcripts under wine64.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/check_layers.sh
scripts/check_format.sh
cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan
scripts/test_windows.sh
