#!/usr/bin/env bash
# Process priority around the scene's start, and the Windows 9x family: the password
# check that may keep a full-screen run going, its 200 ms quiet time, and /a. The 9x paths
# run in a test build that takes itself for Windows 9x, beside doubles of PASSWORD.CPL
# and MPR.DLL (bin/win9x).
set -u
. "$SELENARIUM_SOURCE_DIR/tests/shell/e2e/saver_e2e_lib.sh"
wine_env_start || fail "no Wine environment"
win9x="$BIN/win9x/Selenarium9x.scr"

note "the init callback runs at high priority, frames at the starting class"
new_probe_log priority
# The run starts below normal (0x4000): that class, not a fixed one, must come back.
SELENARIUM_PROBE_PRIORITY=0x4000 start_saver "$BIN/SelenariumProbe.scr" /s
wait_until 60 log_has "$PROBE_LOG" "^frame" || fail "no frame drawn"
log_has "$PROBE_LOG" "init priority=0x80 " || fail "init not at high priority: $(cat "$PROBE_LOG")"
log_has "$PROBE_LOG" "frame priority=0x4000 " \
  || fail "frame not at the starting class: $(cat "$PROBE_LOG")"
xdotool key space
expect_exit 0 "key press"

note "/a on the NT family is refused"
start_saver "$BIN/Selenarium.scr" /a
expect_exit 255 "/a on the NT family"

note "Windows 9x: refused password, keys within 200 ms, accepted password"
wine reg add 'HKCU\Control Panel\Desktop' /v ScreenSaveUsePassword /t REG_DWORD /d 1 /f >/dev/null 2>&1
double_log="$WINE_ENV_DIR/doubles.log"
: >"$double_log"
export SELENARIUM_DOUBLE_LOG SELENARIUM_PASSWORD_VERDICTS=01 SELENARIUM_PASSWORD_POST_KEY=1
SELENARIUM_DOUBLE_LOG=$(winepath -w "$double_log" 2>/dev/null | tr -d '\r')
calls() { tr -d '\r' <"$double_log" | grep -c "^VerifyScreenSavePwd" || true; }
new_probe_log win9x
xdotool mousemove 500 400
start_saver "$win9x" /s
wait_until 60 log_has "$PROBE_LOG" "frames=16" || fail "the Windows 9x run drew no frames"
xdotool key space
wait_until 30 test "$(calls)" -ge 1 || fail "no password check on a key press"
log_has "$double_log" "call=1 hwnd=$(saver_window) verdict=0" \
  || fail "password check: $(cat "$double_log")"
# The double pressed a key as it returned: that one falls within 200 ms and is ignored.
# Give the quiet time and a few frames to pass; the run must go on, cursor hidden, unasked.
sleep 0.5
stays_running 1 || fail "a refused password ended the run"
[ "$(calls)" = 1 ] || fail "a key within 200 ms asked again: $(cat "$double_log")"
tr -d '\r' <"$PROBE_LOG" | grep '^cursor' | tail -n 1 | grep -q 'hidden=1' \
  || fail "cursor not hidden after the refusal: $(cat "$PROBE_LOG")"
xdotool key space
wait_until 30 test "$(calls)" = 2 || fail "a later key did not ask again: $(cat "$double_log")"
expect_exit 0 "accepted password"

note "Windows 9x without a password: a key ends the run at once"
wine reg add 'HKCU\Control Panel\Desktop' /v ScreenSaveUsePassword /t REG_DWORD /d 0 /f >/dev/null 2>&1
: >"$double_log"
start_saver "$win9x" /s
wait_until 60 have_saver_window || fail "no window"
xdotool key space
expect_exit 0 "key press without a password"
[ "$(calls)" = 0 ] || fail "password asked although none is set"

note "Windows 9x: a crash in a password-guarded run switches the saver-running flag off"
wine reg add 'HKCU\Control Panel\Desktop' /v ScreenSaveUsePassword /t REG_DWORD /d 1 /f >/dev/null 2>&1
# No crash dialog: Wine's debugger only writes its report.
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
crash_file="$WINE_ENV_DIR/crash-now"
export SELENARIUM_PROBE_CRASH_FILE
SELENARIUM_PROBE_CRASH_FILE=$(winepath -w "$crash_file" 2>/dev/null | tr -d '\r')
new_probe_log crash
start_saver "$win9x" /s
wait_until 60 log_has "$PROBE_LOG" "frames=16" || fail "the Windows 9x run drew no frames"
[ "$(driver saver-running)" = 1 ] || fail "the guarded run did not set the saver-running flag"
touch "$crash_file"
wait_saver_exit
log_has "$PROBE_LOG" "crashing" || fail "the run ended without the crash: $(cat "$PROBE_LOG")"
[ "$SAVER_RC" != 0 ] || fail "a crashed run ended with exit code 0"
[ "$(driver saver-running)" = 0 ] || fail "the saver-running flag stayed on after the crash"
rm -f "$crash_file"
unset SELENARIUM_PROBE_CRASH_FILE
wine reg add 'HKCU\Control Panel\Desktop' /v ScreenSaveUsePassword /t REG_DWORD /d 0 /f >/dev/null 2>&1

note "Windows 9x: /a hands the password change to MPR.DLL"
start_parent 600 500 200 100
wait_until 30 test "$(driver foreground)" = "$PARENT" || fail "driver window not in the foreground"
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;mpr=n"
start_saver "$win9x" /a 0
expect_exit 0 "/a 0"
log_has "$double_log" "PwdChangePasswordA provider=SCRSAVE hwnd=$PARENT args=0,0" \
  || fail "/a 0: $(cat "$double_log")"
: >"$double_log"
first=$PARENT
start_parent 300 500 200 100
wait_until 30 test "$(driver foreground)" = "$PARENT" || fail "second window not in the foreground"
start_saver "$win9x" /a "$first"
expect_exit 0 "/a <window>"
log_has "$double_log" "PwdChangePasswordA provider=SCRSAVE hwnd=$first args=0,0" \
  || fail "/a <window>: $(cat "$double_log")"
echo PASS
