#!/usr/bin/env bash
# The lit part of the globe follows the real phase: full, new, and both quarters, with the
# lit side and the terminator's tilt as the light vector says.
here=$(cd "$(dirname "$0")" && pwd)
. "$here/scene-e2e.sh"
scene_e2e_start
LAT=55.75 LON=37.62
seed SELENARIUM_SEED_SHOW_TEXT=0 SELENARIUM_SEED_SHOW_STAR=0 SELENARIUM_SEED_LATITUDE=$LAT SELENARIUM_SEED_LONGITUDE=$LON

run_phase() {  # NAME "local time" TZ
  stop_saver
  start_saver "$2" "$3"
  wait_for_scene "$1"
  stop_saver
}

run_phase full '2005-10-17 12:14:00' UTC0
check "full moon: the disc is lit across" 'v > 0.93' "$(disc_field full lit)"

run_phase new '2005-10-03 14:29:00' MSK-4
lit=$(disc_field new lit) red=$(disc_field new red)
check "new moon: nothing sunlit" 'v < 0.02' "$lit"
check "new moon: the face still faintly lit by the ambient light" 'v > 7 && v < 30' "$red"

for q in 'first 2005-10-10 22:01:00 MSK-3' 'last 2005-10-24 20:18:00 EST5EDT'; do
  set -- $q
  name=$1 when="$2 $3" zone=$4
  run_phase "$name" "$when" "$zone"
  read -r lx ly lz < <(TZ=$zone faketime "$when" "$PROBE" $LAT $LON)
  cx=$(disc_field "$name" centroid-x) cy=$(disc_field "$name" centroid-y)
  check "$name quarter: about half the disc lit" 'v > 0.2 && v < 0.7' "$(disc_field "$name" lit)"
  check "$name quarter: lit side on the light's x side" '(v > 0) == (w > 0)' "$cx" "$lx"
  # The lit part's centroid points where the light comes from across the disc.
  cosine=$(awk -v a="$cx" -v b="$cy" -v c="$lx" -v d="$ly" 'BEGIN { print (a*c + b*d) / sqrt((a*a + b*b) * (c*c + d*d)) }')
  check "$name quarter: terminator tilt follows the light (centroid $cx $cy, light $lx $ly)" 'v > 0.94' "$cosine"
done
finish
