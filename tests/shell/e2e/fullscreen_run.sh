#!/usr/bin/env bash
# Full-screen run of Selenarium.scr: one topmost screen-sized window drawing the sky; a key
# ends it with exit code 0; mouse movement is summed from where the run started.
set -u
. "$SELENARIUM_SOURCE_DIR/tests/shell/e2e/saver_e2e_lib.sh"
wine_env_start || fail "no Wine environment"
saver="$BIN/Selenarium.scr"

# start_full_screen : cursor parked at 500,400, saver up and drawing.
start_full_screen() {
  xdotool mousemove 500 400
  start_saver "$saver" /s
  wait_until 60 have_saver_window || fail "no saver window appeared"
  wait_until 60 screen_shows_sky 0.3 || fail "the screen never showed the sky colour"
}

note "window, frames and a key press"
start_full_screen
hwnd=$(saver_window)
info=$(driver info "$hwnd")
[ "$(info_value "$info" x),$(info_value "$info" y)" = "0,0" ] || fail "window not at 0,0: $info"
[ "$(info_value "$info" width)x$(info_value "$info" height)" = "1024x768" ] \
  || fail "window not 1024x768: $info"
(( $(info_value "$info" exstyle) & 0x8 )) || fail "window not topmost: $info"
[ "$(info_value "$info" style)" = "0x96000000" ] || fail "style: $info"
[ "$(info_value "$info" foreground)" = 1 ] || fail "window not in the foreground"
xdotool key space
expect_exit 0 "key press"

note "mouse: 3 right 1 down stays, 3 right 2 down ends"
start_full_screen
xdotool mousemove 503 401
stays_running 2 || fail "a movement of 4 pixels ended the run"
xdotool mousemove 503 402
expect_exit 0 "movement of 5 pixels"

note "mouse: two movements of 3 pixels add up"
start_full_screen
xdotool mousemove 503 400
stays_running 2 || fail "a movement of 3 pixels ended the run"
xdotool mousemove 506 400
expect_exit 0 "second movement of 3 pixels"
note "Alt alone ends the run"
start_full_screen
xdotool key alt
expect_exit 0 "Alt"

note "losing activation to another program ends the run"
start_full_screen
start_parent 100 100 200 100
expect_exit 0 "activation lost"
echo PASS
