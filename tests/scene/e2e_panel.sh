#!/usr/bin/env bash
# The text panel and its switches: the panel's colours where they belong, no panel with
# ShowText 0 (the web address still fades in), no stars or flare with ShowStar 0, and
# the red request for a place when none is stored.
here=$(cd "$(dirname "$0")" && pwd)
. "$here/scene-e2e.sh"
scene_e2e_start
WHEN='2005-10-12 16:00:00' ZONE=MSK-4

link_is_shown() { shot link >/dev/null 2>&1 && [ "$(count link 700 730 1024 768 yellow)" -gt 40 ]; }

# Regions of a 1024x768 screen (left, top, right, bottom).
SUN_MOON="0 560 440 768" PLACE="0 0 330 70" DATE="600 0 1024 24" TIME="700 20 1024 50"
SIDES_LEFT="0 120 180 560" SIDES_RIGHT="860 120 1024 700"

# The web address shows only for some ten seconds after the start, so it is looked for
# first, from the start on; the rest of the panel stays.
seed SELENARIUM_SEED_SHOW_STAR=0
start_saver "$WHEN" "$ZONE"
if wait_until 90 link_is_shown; then pass "web address fades in"; else fail "web address fades in"; fi
wait_for_scene panel
check "Sun and Moon block in its blue" 'v > 400' "$(count panel $SUN_MOON blue)"
check "coordinates in green" 'v > 150' "$(count panel $PLACE green)"
check "date in green" 'v > 80' "$(count panel $DATE green)"
check "time in white" 'v > 60' "$(count panel $TIME white)"
check "no request for a place when one is stored" 'v == 0' "$(count panel 0 0 600 30 red)"
check "no stars with ShowStar 0" 'v == 0' "$(count panel $SIDES_LEFT notsky)"
check "no flare with ShowStar 0" 'v == 0' "$(count panel $SIDES_RIGHT notsky)"
stop_saver

seed SELENARIUM_SEED_SHOW_TEXT=0 SELENARIUM_SEED_SHOW_STAR=0
start_saver "$WHEN" "$ZONE"
if wait_until 90 link_is_shown; then pass "web address still fades in with ShowText 0"; else fail "web address with ShowText 0"; fi
wait_for_scene notext
check "no panel with ShowText 0" 'v == 0' "$(count notext $SUN_MOON blue)"
check "no coordinates with ShowText 0" 'v == 0' "$(count notext $PLACE green)"
check "no clock with ShowText 0" 'v == 0' "$(count notext $TIME white)"
stop_saver

seed
reg_del Latitude
reg_del Longitude
start_saver "$WHEN" "$ZONE"
wait_for_scene unset
check "unset place: \"Set up your own location!\" in red" 'v > 80' "$(count unset 100 0 500 30 red)"
check "stars with ShowStar 1 (points, not a screen without the scene)" 'v > 20 && v < 20000' "$(( $(count unset $SIDES_LEFT notsky) + $(count unset $SIDES_RIGHT notsky) ))"
stop_saver
finish
