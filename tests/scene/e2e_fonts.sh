#!/usr/bin/env bash
# The panel's fonts follow the screen width: from 1024 pixels on the larger pair, below
# it the smaller one. Measured as the height of the Sun and Moon block on two screens.
here=$(cd "$(dirname "$0")" && pwd)
. "$here/scene-e2e.sh"

block_height() {  # SCREEN_GEOMETRY NAME: pixel height of the blue block at the bottom left
  WINE_ENV_SCREEN=$1
  scene_e2e_start
  seed SELENARIUM_SEED_SHOW_STAR=0
  start_saver '2005-10-12 16:00:00' MSK-4
  wait_for_scene "$2" >&2
  stop_saver
  local box
  box=$("$MEASURE" extent "$WINE_ENV_DIR/$2.ppm" 0 400 440 768 blue)
  wine_env_stop
  trap - EXIT
  echo "$box" | awk '{ print $4 - $2 }'
}

wide=$(block_height 1024x768x24 wide)
narrow=$(block_height 1023x768x24 narrow)
check "large fonts from 1024 pixels, small ones below (block heights)" 'v > 1.2 * w && w > 50' "$wide" "$narrow"
finish
