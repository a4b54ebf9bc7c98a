#!/usr/bin/env bash
# Builds everything and runs every test: native unit tests, Windows-side tests under
# wine64 and end-to-end tests of the real programs, all from one ctest run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/build.sh"
build=${SELENARIUM_BUILD_DIR:-$root/build}
jobs=${SELENARIUM_TEST_JOBS:-$(nproc)}
ctest --test-dir "$build/host" --output-on-failure -j "$jobs" "$@"
