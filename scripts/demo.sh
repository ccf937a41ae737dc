#!/usr/bin/env bash
# Builds mora and runs the demonstration script on the bundled sample sources.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake --preset release >/dev/null
cmake --build --preset release
cd examples
exec ../build/release/bin/mora -vd1 -nd -nh -f demo.mora
