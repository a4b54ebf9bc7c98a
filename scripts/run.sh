#!/usr/bin/env bash
# Builds the screensaver and runs it full screen under Wine.
#   On the current X display when there is one; otherwise on a private Xvfb, where it
#   runs until it has drawn and saves a screenshot (the path is printed).
#   SELENARIUM_RUN_SECONDS  how long the headless run goes on after its first frame (default 3)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/build.sh"
build=${SELENARIUM_BUILD_DIR:-$root/build}
saver="$build/win64/bin/Selenarium.scr"
shot="$build/selenarium-screenshot.png"

export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX="$build/run-prefix"
if [ ! -f "$WINEPREFIX/.ready" ]; then
  DISPLAY= wine wineboot -i >/dev/null 2>&1; wineserver -w; touch "$WINEPREFIX/.ready"
fi
# Point the saver at this build's data files, as the installer would.
if [ -f "$root/scripts/seed-settings.sh" ]; then
  bash "$root/scripts/seed-settings.sh" "$build"
fi
# A wineserver left from the steps above may have no display: let it end first.
wineserver -w

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  echo "Running Selenarium on $DISPLAY; press a key or move the mouse to end it."
  wine "$saver" /s
  exit 0
fi

. "$root/tests/harness/wine-env.sh"
n=$(wine_env_free_display)
Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=":$n"
cleanup() { wineserver -k >/dev/null 2>&1 || true; kill "$xvfb" 2>/dev/null || true; }
trap cleanup EXIT
wait_until 10 xdpyinfo
wine "$saver" /s &
# Software GL takes a few seconds to the first frame: wait until the screen is drawn.
screen_drawn() { screenshot "$shot" && [ "$(convert "$shot" -format '%[fx:mean>0.01]' info:)" = 1 ]; }
wait_until 90 screen_drawn || echo "run: nothing was drawn within 90 s" >&2
sleep "${SELENARIUM_RUN_SECONDS:-3}"
screenshot "$shot"
echo "No display: ran Selenarium on a private Xvfb; screenshot saved to $shot"
