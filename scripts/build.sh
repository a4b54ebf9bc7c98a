#!/usr/bin/env bash
# Configures and builds everything: build/host drives build/win32 and build/win64.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup.sh"
build=${SELENARIUM_BUILD_DIR:-$root/build}
jobs=${SELENARIUM_JOBS:-$(nproc)}
if [ ! -f "$build/host/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build/host" -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build/host" -j "$jobs"
