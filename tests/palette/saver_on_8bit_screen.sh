#!/usr/bin/env bash
# The saver on an 8-bit palettised screen. Wine offers no OpenGL pixel format there, so the
# GL context cannot be created: the windowed run must close itself after its pixel-format
# attempts and end with exit code 0, without tripping over the palette code on the way.
set -u
. "$SELENARIUM_SOURCE_DIR/tests/harness/wine-env.sh"
WINE_ENV_SCREEN=1024x768x8
wine_env_start || exit 1

root_depth() { xdpyinfo -display "$DISPLAY" | awk '/depth of root window/ {print $5; exit}'; }
has_root_depth() { [ -n "$(root_depth)" ]; }
wait_until 20 has_root_depth
depth=$(root_depth)
[ "$depth" = 8 ] || { echo "FAIL: root depth is $depth, not 8"; exit 1; }

wine "$SELENARIUM_WIN64_BIN/Selenarium.scr" /w >"$WINE_ENV_DIR/saver.log" 2>&1 &
saver=$!
if ! wait_until 90 bash -c "! kill -0 $saver"; then
  echo "FAIL: the saver did not close itself on the 8-bit screen"
  exit 1
fi
wait "$saver"
rc=$?
[ "$rc" = 0 ] || { echo "FAIL: exit code $rc"; cat "$WINE_ENV_DIR/saver.log"; exit 1; }
echo "ok: no GL pixel format on the 8-bit screen; the saver closed itself with exit code 0"
