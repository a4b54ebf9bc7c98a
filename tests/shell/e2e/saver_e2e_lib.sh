# Helpers shared by the saver shell's end-to-end tests. Source after setting `set -u`.
set -o pipefail
. "$SELENARIUM_SOURCE_DIR/tests/harness/wine-env.sh"

BIN=$SELENARIUM_WIN64_BIN
SAVER_PID=
PROBE_LOG=

fail() { echo "FAIL: $*" >&2; exit 1; }
note() { echo "-- $*" >&2; }

# driver ARGS... : the Windows test driver; output without carriage returns.
driver() { wine "$BIN/saver_test_driver.exe" "$@" 2>/dev/null | tr -d '\r'; }

# start_saver PROGRAM ARGS... : starts a saver in the background (SAVER_PID).
start_saver() {
  wine "$@" >/dev/null 2>&1 &
  SAVER_PID=$!
}

saver_exited() { ! kill -0 "$SAVER_PID" 2>/dev/null; }

# wait_saver_exit : waits for the saver (bounded); its exit code goes to SAVER_RC.
wait_saver_exit() {
  wait_until 30 saver_exited || fail "the saver did not end"
  SAVER_RC=0
  wait "$SAVER_PID" || SAVER_RC=$?
}

# stays_running SECONDS : the saver is still running after watching it that long.
stays_running() { ! wait_until "$1" saver_exited; }

# expect_exit CODE WHAT
expect_exit() {
  wait_saver_exit
  [ "$SAVER_RC" = "$1" ] || fail "$2: exit code $SAVER_RC, expected $1"
}

# A fresh log file for the probing scene (SELENARIUM_PROBE_LOG).
new_probe_log() {
  PROBE_LOG="$WINE_ENV_DIR/probe-$1.log"
  : >"$PROBE_LOG"
  export SELENARIUM_PROBE_LOG
  SELENARIUM_PROBE_LOG=$(winepath -w "$PROBE_LOG" 2>/dev/null | tr -d '\r')
}
log_has() { tr -d '\r' <"$1" | grep -q -- "$2"; }

# saver_window : the handle of the visible top-level saver window, if exactly one.
saver_window() {
  local list; list=$(driver find WindowsScreenSaverClass)
  [ "$(printf '%s\n' "$list" | grep -c .)" = 1 ] && printf '%s\n' "$list"
}
have_saver_window() { [ -n "$(saver_window)" ]; }

# info_value INFO KEY
info_value() { printf '%s\n' "$1" | awk -F= -v k="$2" '$1==k {print $2}'; }

# sky_fraction PNG : share of pixels that have exactly the sky colour 5,10,30.
sky_fraction() {
  convert "$1" -fill black +opaque "rgb(5,10,30)" -fill white -opaque "rgb(5,10,30)" \
    -format "%[fx:mean]" info:
}
# screen_shows_sky MIN : a screenshot where at least MIN of the pixels are sky.
screen_shows_sky() {
  local shot="$WINE_ENV_DIR/shot.png"
  screenshot "$shot" && awk -v f="$(sky_fraction "$shot")" -v m="$1" 'BEGIN {exit !(f >= m)}'
}

# start_parent X Y W H : a preview parent window from the driver (PARENT, PARENT_LOG).
start_parent() {
  PARENT_LOG="$WINE_ENV_DIR/parent.log"
  local out="$WINE_ENV_DIR/parent.out"
  : >"$PARENT_LOG"; : >"$out"
  wine "$BIN/saver_test_driver.exe" parent "$1" "$2" "$3" "$4" \
    "$(winepath -w "$PARENT_LOG" 2>/dev/null | tr -d '\r')" >"$out" 2>/dev/null &
  PARENT_PID=$!
  wait_until 30 grep -q '[0-9]' "$out" || fail "the driver made no parent window"
  PARENT=$(tr -d '\r' <"$out" | head -n 1)
}

# frames_drawn : the last frame count the probing scene logged (0 before any).
frames_drawn() {
  tr -d '\r' <"$PROBE_LOG" | sed -n 's/^frames=//p' | tail -n 1 | grep . || echo 0
}
frames_beyond() { (( $(frames_drawn) > $1 )); }
