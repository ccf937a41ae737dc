#!/usr/bin/env bash
# Workbench benchmarks on a release build: start-up to the first paint, opening a
# 10 MB source and typing in it, result documents of 100 000 lines and of 100 MB
# (with the longest time the event loop did not answer while they load), and a
# group of 10 000 files (open, search, select all, the function list over it with
# the real engine). Runs headless (offscreen) unless --xvfb is given (needs xvfb).
# The profile is a fresh one in a temporary directory; the inputs are generated.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build/release"
if [[ ! -f "$build/build.ninja" ]]; then
  cmake --preset release -DBUILD_TESTING=OFF >/dev/null
fi
nice -n 10 cmake --build --preset release --target veldra_workbench_bench mora >/dev/null
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/config"
cd "$work"
run=(env XDG_CONFIG_HOME="$work/config" VELDRA_BENCH_T0_NS="$(date +%s%N)")
if [[ "${1:-}" == "--xvfb" ]]; then
  "${run[@]}" timeout 1200 xvfb-run -a -s "-screen 0 1280x800x24" \
    "$build/tools/veldra_workbench_bench" "$build/bin"
else
  "${run[@]}" QT_QPA_PLATFORM=offscreen timeout 1200 \
    "$build/tools/veldra_workbench_bench" "$build/bin"
fi
