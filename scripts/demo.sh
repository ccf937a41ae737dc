#!/usr/bin/env bash
# Builds only the engine (no tests, no workbench) and runs the demonstration
# script on the bundled calculator sources.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh engine
build=build/demo
log=$build/build.log
mkdir -p "$build"
echo "Building mora in $build (log: $log) ..."
if ! { cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
         -DVELDRA_WORKBENCH=OFF -DMORA_BENCHMARKS=OFF &&
       cmake --build "$build" --target mora; } > "$log" 2>&1; then
  tail -n 30 "$log"
  echo "Build failed; the whole log is in $log" >&2
  exit 1
fi
echo
cd examples
exec ../"$build"/bin/mora -vd1 -nd -nh -f demo.mora
