#!/usr/bin/env bash
# Preview inside a parent window: a child of the parent's client size at 0,0 with a
# viewport of that size, deaf to keys and the mouse, forwarding help and context-menu
# requests to the parent, ending when the parent goes away.
set -u
. "$SELENARIUM_SOURCE_DIR/tests/shell/e2e/saver_e2e_lib.sh"
wine_env_start || fail "no Wine environment"

start_parent 100 100 320 240
new_probe_log preview
start_saver "$BIN/SelenariumProbe.scr" /p "$PARENT"
wait_until 60 log_has "$PROBE_LOG" "^frame" || fail "the preview drew no frame"
child=$(driver child "$PARENT")
info=$(driver info "$child")
[ "$(info_value "$info" class)" = WindowsScreenSaverClass ] || fail "child is no saver window: $info"
[ "$(info_value "$info" x),$(info_value "$info" y)" = "0,0" ] || fail "child not at 0,0: $info"
[ "$(info_value "$info" width)x$(info_value "$info" height)" = "320x240" ] \
  || fail "child not of the parent's client size: $info"
[ "$(info_value "$info" style)" = "0x52000000" ] || fail "child style: $info"
log_has "$PROBE_LOG" "init .* preview=1 window_matches=1" || fail "init: $(cat "$PROBE_LOG")"
log_has "$PROBE_LOG" "frame .*viewport=0,0,320,240" || fail "viewport: $(cat "$PROBE_LOG")"

note "keys and the mouse over the preview do nothing"
# The parent's client area starts somewhere inside its frame; aim at its middle.
xdotool mousemove 260 230 click 1
xdotool mousemove 280 250 key a space Escape
stays_running 2 || fail "input ended the preview"

note "context menu and help go to the parent"
xdotool mousemove 260 230 click 3
wait_until 30 log_has "$PARENT_LOG" "WM_CONTEXTMENU wparam_is_self=1" \
  || fail "right click not forwarded: $(cat "$PARENT_LOG")"
driver help "$child" >/dev/null
wait_until 30 log_has "$PARENT_LOG" "WM_HELP wparam_is_self=1" \
  || fail "help not forwarded: $(cat "$PARENT_LOG")"

note "the parent ends the preview"
driver close "$PARENT" >/dev/null
expect_exit 0 "preview after its parent closed"

note "/l behaves like /p"
start_parent 100 100 200 150
new_probe_log preview-l
start_saver "$BIN/SelenariumProbe.scr" "/l$PARENT"
wait_until 60 log_has "$PROBE_LOG" "frame .*viewport=0,0,200,150" || fail "/l: $(cat "$PROBE_LOG")"
driver close "$PARENT" >/dev/null
expect_exit 0 "/l preview after its parent closed"
echo PASS
