# Helpers of the scene's end-to-end tests: run the screensaver under Wine with a fixed
# clock, zone and settings, take screenshots when its first frames are up, measure them.
# Source after setting nothing; needs the variables ctest gives e2e tests.
set -u
. "$SELENARIUM_SOURCE_DIR/tests/harness/wine-env.sh"

SAVER=${SCENE_E2E_SAVER:-$SELENARIUM_WIN64_BIN/Selenarium.scr}
MEASURE="$SELENARIUM_HOST_BIN/shot_measure"
PROBE="$SELENARIUM_HOST_BIN/scene_light_probe"
BUILD_ROOT=$(cd "$SELENARIUM_HOST_BIN/../.." && pwd)
MOON_MAP="$SELENARIUM_SOURCE_DIR/resources/source/moon/moon_nearside_1024.pgm"
SETTING_KEY='HKCU\SOFTWARE\Kestrelwick\Selenarium\Setting'
SAVER_PID=
FAILURES=0

fail() { echo "FAIL: $*" >&2; FAILURES=$((FAILURES + 1)); }
pass() { echo "ok: $*"; }
finish() { if [ "$FAILURES" -gt 0 ]; then echo "$FAILURES check(s) failed" >&2; exit 1; fi; echo "all checks passed"; }

scene_e2e_start() {
  for f in "$SAVER" "$MEASURE" "$PROBE"; do
    [ -e "$f" ] || { echo "missing $f" >&2; exit 1; }
  done
  wine_env_start || exit 1
}

# seed [NAME=VALUE...]: the installer's settings for this build, with overrides such as
# SELENARIUM_SEED_SHOW_TEXT=0 (see scripts/seed-settings.sh).
seed() { env "$@" bash "$SELENARIUM_SOURCE_DIR/scripts/seed-settings.sh" "$BUILD_ROOT"; }
reg_set() { wine reg add "$SETTING_KEY" /v "$1" /t "$2" /d "$3" /f >/dev/null; }
reg_del() { wine reg delete "$SETTING_KEY" /v "$1" /f >/dev/null 2>&1 || true; }

# start_saver "YYYY-MM-DD HH:MM:SS" TZ [ARGS...]: the local time in that zone.
start_saver() {
  local when=$1 zone=$2; shift 2
  TZ=$zone faketime "$when" wine "$SAVER" "${@:-/s}" >"$WINE_ENV_DIR/saver.log" 2>&1 &
  SAVER_PID=$!
}

stop_saver() {
  if [ -n "$SAVER_PID" ]; then
    kill "$SAVER_PID" 2>/dev/null
    wineserver -k >/dev/null 2>&1
    wineserver -w >/dev/null 2>&1
    wait "$SAVER_PID" 2>/dev/null
    SAVER_PID=
  fi
}

# shot NAME: a screenshot as $WINE_ENV_DIR/NAME.png and .ppm.
shot() {
  screenshot "$WINE_ENV_DIR/$1.png" && convert "$WINE_ENV_DIR/$1.png" "ppm:$WINE_ENV_DIR/$1.ppm"
}

# A frame is up when the sky colour fills most of the screen's corners.
globe_is_drawn() {
  shot probe >/dev/null 2>&1 || return 1
  [ "$("$MEASURE" count "$WINE_ENV_DIR/probe.ppm" 0 100 120 650 sky)" -gt 50000 ] &&
    [ "$("$MEASURE" count "$WINE_ENV_DIR/probe.ppm" 904 100 1024 650 sky)" -gt 50000 ]
}

# Waits for the first frames, then lets a few more pass so the panel is complete.
wait_for_scene() {
  if ! wait_until 90 globe_is_drawn; then
    shot "${1:-timeout}"
    local state="ended"
    kill -0 "$SAVER_PID" 2>/dev/null && state="still running"
    fail "no frame drawn within 90 s (saver $state; its last output: $(tail -n 5 "$WINE_ENV_DIR/saver.log" | tr '\n' '|'))"
    return 1
  fi
  sleep 1  # a few more frames for the eye; correctness does not depend on it
  shot "$1"
}

# disc_field NAME FIELD: one field of "shot_measure disc" (lit, centroid-x, centroid-y,
# grey, sd, red, rough).
disc_field() {
  local line
  line=$("$MEASURE" disc "$WINE_ENV_DIR/$1.ppm")
  case $2 in
    lit) echo "$line" | awk '{print $2}' ;;
    centroid-x) echo "$line" | awk '{print $4}' ;;
    centroid-y) echo "$line" | awk '{print $5}' ;;
    grey) echo "$line" | awk '{print $7}' ;;
    sd) echo "$line" | awk '{print $9}' ;;
    red) echo "$line" | awk '{print $11}' ;;
    rough) echo "$line" | awk '{print $13}' ;;
  esac
}

count() { "$MEASURE" count "$WINE_ENV_DIR/$1.ppm" "$2" "$3" "$4" "$5" "$6"; }

# check "description" awk-condition values...: e.g. check "lit > 0.9" 'v > 0.9' "$lit"
check() {
  local what=$1 condition=$2; shift 2
  if awk -v v="${1:-}" -v w="${2:-}" -v u="${3:-}" "BEGIN { exit !($condition) }"; then
    pass "$what ($*)"
  else
    fail "$what ($*)"
  fi
}
