#!/usr/bin/env bash
# The windowed test run: a half-screen window with the arrow cursor; ordinary keys do
# nothing, Escape closes it. Selenarium.scr, and the probing build for the cursor.
set -u
. "$SELENARIUM_SOURCE_DIR/tests/shell/e2e/saver_e2e_lib.sh"
wine_env_start || fail "no Wine environment"

run_windowed() {
  start_saver "$1" /w "${@:2}"
  wait_until 60 have_saver_window || fail "no window"
  # Keyboard focus to the window (a click is no close trigger here).
  xdotool mousemove 200 200 click 1
}

run_windowed "$BIN/Selenarium.scr"
hwnd=$(saver_window)
info=$(driver info "$hwnd")
[ "$(info_value "$info" width)x$(info_value "$info" height)" = "512x384" ] \
  || fail "window not 512x384: $info"
(( ($(info_value "$info" exstyle) & 0x8) == 0 )) || fail "windowed run is topmost: $info"
wait_until 30 test "$(driver foreground)" = "$hwnd" || fail "window not in the foreground"

xdotool key a space Return
stays_running 2 || fail "an ordinary key closed the windowed run"
xdotool key Escape
expect_exit 0 "Escape"

note "probing build: class cursor"
new_probe_log windowed
run_windowed "$BIN/SelenariumProbe.scr" "any text"
wait_until 60 log_has "$PROBE_LOG" "^frame" || fail "no frame drawn"
log_has "$PROBE_LOG" "init .*preview=0 .*class_cursor=arrow" || fail "cursor: $(cat "$PROBE_LOG")"

note "a minimised window draws nothing and resumes when restored"
hwnd=$(saver_window)
wait_until 30 frames_beyond 16 || fail "frames are not drawn"
driver post "$hwnd" 0x112 0xF020 0 >/dev/null   # WM_SYSCOMMAND SC_MINIMIZE
minimised_at=$(frames_drawn)
stays_running 2 || fail "minimising ended the run"
settled=$(frames_drawn)
stays_running 2 || fail "minimising ended the run"
[ "$(frames_drawn)" = "$settled" ] || fail "frames drawn while minimised ($settled -> $(frames_drawn))"
driver post "$hwnd" 0x112 0xF120 0 >/dev/null   # WM_SYSCOMMAND SC_RESTORE
wait_until 30 frames_beyond $((settled + 16)) || fail "drawing did not resume after restoring"
echo "frames: $minimised_at at minimising, $settled while minimised, $(frames_drawn) after restoring" >&2
xdotool mousemove 200 200 click 1 key Escape
expect_exit 0 "Escape in the probing build"
echo PASS
