#!/usr/bin/env bash
# Command-line switches: refused switches exit with -1 and start no run; /c, -c, c:1234
# and an empty command line open configuration dialog 2003; a saver already showing is
# brought forward instead of starting a second one.
set -u
. "$SELENARIUM_SOURCE_DIR/tests/shell/e2e/saver_e2e_lib.sh"
wine_env_start || fail "no Wine environment"
probe="$BIN/SelenariumProbe.scr"

note "refused switches (é and À reach the program as the bytes 0xE9 and 0xC0)"
start_saver "$BIN/Selenarium.scr" /x
expect_exit 255 "Selenarium.scr /x"
n=0
for args in "/x" "/?" "é" "é/s" "-À" "/p" "/p 0" "/p abc" "/p:12" "/p 999999" "/l 999999" "/a" "/a 0"; do
  n=$((n + 1))
  new_probe_log "refused$n"
  # shellcheck disable=SC2086
  start_saver "$probe" $args
  wait_until 30 saver_exited || { kill "$SAVER_PID"; fail "switch '$args' did not end"; }
  expect_exit 255 "switch '$args'"
  ! log_has "$PROBE_LOG" register || fail "switch '$args' started a run"
done

note "configuration dialog"
# close_dialog BUTTON : waits for dialog 2003 and presses OK (1) or Cancel (2).
close_dialog() {
  wait_until 30 log_has "$PROBE_LOG" "dialog owner=" || fail "no configuration dialog"
  local dialog
  wait_until 30 driver find '#32770' || fail "dialog window not found"
  dialog=$(driver find '#32770' | head -n 1)
  driver post "$dialog" 0x111 "$1" 0 >/dev/null
}
new_probe_log config-empty
start_saver "$probe"
close_dialog 1
expect_exit 1 "empty command line, OK"
log_has "$PROBE_LOG" "dialog owner=0$" || fail "empty command line: dialog has an owner"

note "Selenarium.scr /c shows its own configuration dialog; Cancel ends it"
start_saver "$BIN/Selenarium.scr" /c
wait_until 30 driver find '#32770' || fail "Selenarium.scr /c showed no dialog"
# Cancel every dialog box of the run until it ends: the configuration dialog may put a
# message box of its own up while it starts, and the first box found may be that one.
cancel_dialogs() {
  local box
  for box in $(driver find '#32770'); do driver post "$box" 0x111 2 0 >/dev/null; done
  sleep 0.5
  saver_exited
}
wait_until 30 cancel_dialogs
wait_saver_exit

start_parent 600 500 200 100
wait_until 30 test "$(driver foreground)" = "$PARENT" || fail "driver window not in the foreground"
for args in "/c" "-c" "c:1234" "/C"; do
  new_probe_log config
  start_saver "$probe" "$args"
  close_dialog 2
  expect_exit 2 "'$args', Cancel"
  log_has "$PROBE_LOG" "dialog owner=$PARENT$" \
    || fail "'$args': dialog not owned by the foreground window: $(cat "$PROBE_LOG")"
  ! log_has "$PROBE_LOG" register || fail "'$args' registered the scene"
done

note "another saver already showing"
fake_out="$WINE_ENV_DIR/fake.out"
wine "$BIN/saver_test_driver.exe" fake-saver >"$fake_out" 2>/dev/null &
wait_until 30 grep -q '[0-9]' "$fake_out" || fail "no fake saver window"
fake=$(tr -d '\r' <"$fake_out" | head -n 1)
driver activate "$PARENT" >/dev/null
wait_until 30 test "$(driver foreground)" = "$PARENT" || fail "the fake saver stays in front"
new_probe_log foreign
start_saver "$probe" /s
wait_saver_exit
! log_has "$PROBE_LOG" init || fail "a second saver started drawing"
! driver find WindowsScreenSaverClass >/dev/null || fail "a second saver window exists"
[ "$(driver foreground)" = "$fake" ] || fail "the running saver was not brought forward"
echo PASS
