#!/bin/sh
# Checks that every engine source is formatted as .clang-format says; prints
# the differences and exits 1 when one is not.
# Usage: scripts/check_format.sh
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
find engine -name '*.cc' -o -name '*.h' | sort | xargs clang-format --dry-run -Werror
