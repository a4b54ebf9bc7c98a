#!/usr/bin/env bash
# On a screen that offers no OpenGL pixel format (8 bits per pixel under Wine) the saver
# tries five times about a second apart, then its window closes itself with exit code 0.
set -u
export WINE_ENV_SCREEN=1024x768x8
. "$SELENARIUM_SOURCE_DIR/tests/shell/e2e/saver_e2e_lib.sh"
wine_env_start || fail "no Wine environment"

new_probe_log nogl
# Wine's OpenGL trace names every pixel-format query: one per attempt.
trace="$WINE_ENV_DIR/wgl-trace.log"
WINEDEBUG=trace+wgl wine "$BIN/SelenariumProbe.scr" /s >/dev/null 2>"$trace" &
SAVER_PID=$!
wait_until 60 have_saver_window || fail "no saver window appeared"
started=$(date +%s%N)
wait_until 60 saver_exited || fail "the window did not close itself"
elapsed_ms=$(( ($(date +%s%N) - started) / 1000000 ))
expect_exit 0 "no pixel format"
! log_has "$PROBE_LOG" "^init" || fail "the scene was started without a GL context"
attempts=$(grep -c "wglDescribePixelFormat" "$trace" || true)
[ "$attempts" = 5 ] || fail "$attempts pixel-format attempts, expected 5"
# A one-second pause after each attempt: well over four seconds.
(( elapsed_ms >= 4000 )) || fail "gave up after $elapsed_ms ms, before the pauses had passed"
echo "closed $elapsed_ms ms after the window appeared"
echo PASS
