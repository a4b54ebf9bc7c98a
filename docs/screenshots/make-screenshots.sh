#!/usr/bin/env bash
# Makes the README's screenshots: full-screen frames of the screensaver under Wine at a
# waxing crescent and at a full moon, seen from Moscow, English texts.
#   make-screenshots.sh [BUILD_DIR]   (default: the repository's build/)
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
out=$(cd "$(dirname "$0")" && pwd)
export SELENARIUM_SOURCE_DIR=$root SELENARIUM_WIN64_BIN=$build/win64/bin SELENARIUM_HOST_BIN=$build/host/bin
export SELENARIUM_WINE_TEMPLATE=${SELENARIUM_WINE_TEMPLATE:-$build/win64/wine-template}
. "$root/tests/scene/scene-e2e.sh"
scene_e2e_start
seed SELENARIUM_SEED_LATITUDE=55.75 SELENARIUM_SEED_LONGITUDE=37.62

# name, local time, zone: an October 2005 evening crescent, then the full moon.
for frame in 'waxing-crescent|2005-10-07 18:30:00|MSK-4' 'full-moon|2005-10-17 22:00:00|MSK-4'; do
  IFS='|' read -r name when zone <<<"$frame"
  start_saver "$when" "$zone"
  # Let the flare and the web address come and go: a calm frame after a few seconds.
  wait_for_scene "$name" && sleep 4 && shot "$name" && cp "$WINE_ENV_DIR/$name.png" "$out/$name.png"
  stop_saver
done
finish
