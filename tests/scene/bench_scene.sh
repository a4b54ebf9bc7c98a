#!/usr/bin/env bash
# Frame benchmark of the Moon scene under Wine with a fixed clock: per-stage wall and
# drawing-thread CPU time of SceneDrawFrame, with and without the text cache, and the
# time from starting the program to its first frame on screen.
#   bench_scene.sh [BUILD_DIR] [FRAMES]   (default: the repository's build/, 300 frames)
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
frames=${2:-300}
view="$build/win64/bin/scene_view.exe"
[ -e "$view" ] || { echo "missing $view (build the win64 target scene_view)" >&2; exit 1; }
export SELENARIUM_WINE_TEMPLATE=${SELENARIUM_WINE_TEMPLATE:-$build/win64/wine-template}
. "$root/tests/harness/wine-env.sh"
wine_env_start || exit 1
bash "$root/scripts/seed-settings.sh" "$build"
wineserver -p 60 >/dev/null 2>&1  # keep the server up: start-up figures then leave it out

run_view() { TZ=UTC0 faketime '2005-10-17 12:14:00' wine "$view" "$@"; }

echo "== start-up (wall clock from starting the program until its first frame is swapped)"
for i in 1 2 3; do
  start=$(date +%s%N)
  run_view 0 | while read -r line; do
    echo "$line"
    case $line in scene\ set-up*) echo "   program start to first frame: $(( ($(date +%s%N) - start) / 1000000 )) ms";; esac
  done
done
echo
echo "== frames, text cache on"
run_view /bench "$frames" | grep -v '^scene set-up'
echo
echo "== frames, text cache off"
run_view /bench "$frames" /nocache | grep -v '^scene set-up'
