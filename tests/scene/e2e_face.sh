#!/usr/bin/env bash
# The globe shows the Moon's near side the right way up; without its
# texture file it is a plain grey lit globe.
here=$(cd "$(dirname "$0")" && pwd)
. "$here/scene-e2e.sh"
scene_e2e_start
seed SELENARIUM_SEED_SHOW_TEXT=0 SELENARIUM_SEED_SHOW_STAR=0

start_saver '2005-10-17 15:14:00' MSK-3   # full moon
wait_for_scene textured
stop_saver
read -r _ upright _ mirrored _ upside _ turned < <("$MEASURE" orient "$WINE_ENV_DIR/textured.ppm" "$MOON_MAP")
check "near side matches the map upright" 'v > 0.6' "$upright"
check "mirrored map fits far worse (Mare Crisium right of centre)" 'v - w > 0.3' "$upright" "$mirrored"
check "upside-down map fits far worse (Tycho below centre)" 'v - w > 0.3' "$upright" "$upside"
check "textured face shows its albedo" 'v > 15' "$(disc_field textured sd)"

reg_set textures00 REG_SZ 'Z:\no\such\folder\moon_2048x1024.bmp'
start_saver '2005-10-17 15:14:00' MSK-3
wait_for_scene grey
stop_saver
check "missing texture: the globe is still lit across" 'v > 0.93' "$(disc_field grey lit)"
check "missing texture: a plain, smooth grey globe" 'v < 0.3 * w' "$(disc_field grey rough)" "$(disc_field textured rough)"
finish
