#!/usr/bin/env bash
# On a screen that offers no OpenGL pixel format (8 bits per pixel under Wine) the saver
# tries five times about a second apart, then its window closes itself with exit code 0.
set -u
export WINE_ENV_SCREEN=1024x768x8
. "$SELENARIUM_SOURCE_DIR/tests/shell/e2e/saver_e2e_lib.sh"
wine_env_start || fail "no Wine environment"

new_probe_log nogl
start_saver "$BIN/SelenariumProbe.scr" /s
wait_until 60 have_saver_window || fail "no saver window appeared"
started=$(date +%s%N)
wait_until 60 saver_exited || fail "the window did not close itself"
elapsed_ms=$(( ($(date +%s%N) - started) / 1000000 ))
expect_exit 0 "no pixel format"
! log_has "$PROBE_LOG" "^init" || fail "the scene was started without a GL context"
# Five attempts with a one-second pause after each: well over four seconds.
(( elapsed_ms >= 4000 )) || fail "gave up after $elapsed_ms ms, before five attempts"
echo "closed $elapsed_ms ms after the window appeared"
echo PASS
