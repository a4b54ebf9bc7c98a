# Helpers for the installer's end-to-end tests: a private Wine prefix and display, the
# installer and its test driver, the rundll32.exe double, and checks on the outcome.
# Source after setting `set -u`; call setup_e2e_start first.

. "$SELENARIUM_SOURCE_DIR/tests/harness/wine-env.sh"

SETUP_EXE="$SELENARIUM_WIN64_BIN/setup_selenarium.exe"
SETUP_DRIVER="$SELENARIUM_WIN64_BIN/setup_driver.exe"
SETUP_DATA="$SELENARIUM_HOST_BIN/../data"
SETUP_FAILURES=0
SETUP_PID=
# The locale the Windows programs run in (ru_RU.UTF-8 gives Wine the Windows-1251 code
# page a Russian system has); empty keeps the test's own.
SETUP_WINE_LANG=

setup_e2e_log() { echo "[setup-e2e] $*" >&2; }

# check DESCRIPTION COMMAND...: records a failure when COMMAND fails.
check() {
  local what=$1; shift
  if "$@"; then
    setup_e2e_log "ok: $what"
  else
    setup_e2e_log "FAILED: $what"
    SETUP_FAILURES=$((SETUP_FAILURES + 1))
  fi
}

setup_e2e_start() {
  wine_env_start || exit 1
  # Wine runs its own rundll32 from the system folder unless told to take the file there.
  # Only now: making a prefix needs Wine's own rundll32.
  export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=};rundll32.exe=n"
  SETUP_WORK="$WINE_ENV_DIR/work"
  mkdir -p "$SETUP_WORK"
  # The display control panel is not part of Wine: a double records the hand-over.
  cp "$SELENARIUM_WIN64_BIN/rundll32_double.exe" "$WINEPREFIX/drive_c/windows/system32/rundll32.exe"
  SYSTEM32="$WINEPREFIX/drive_c/windows/system32"
  RUNDLL_LOG="$WINEPREFIX/drive_c/rundll32.log"
}

# A Linux path as the Windows programs see it.
winpath() { local p=$1; echo "Z:${p//\//\\}"; }

# The Linux path of a C: drive path such as 'C:\Program Files\X\'.
cpath() {
  local p=${1#C:}
  p=${p//\\//}
  echo "$WINEPREFIX/drive_c$p"
}

# run_setup [EXE]: starts the installer in the background.
run_setup() {
  local exe=${1:-$SETUP_EXE}
  wine_in_locale "$exe" >"$WINE_ENV_DIR/setup.log" 2>&1 &
  SETUP_PID=$!
}

setup_exited() { ! kill -0 "$SETUP_PID" 2>/dev/null; }

# drive STEP...: runs the test driver; false when a step failed.
drive() { wine_in_locale "$SETUP_DRIVER" "$@"; }

wine_in_locale() {
  if [ -n "$SETUP_WINE_LANG" ]; then
    LANG=$SETUP_WINE_LANG LC_ALL=$SETUP_WINE_LANG wine "$@"
  else
    wine "$@"
  fi
}

# field FILE KEY: one field of the driver's message or texts file.
field() { awk -F'\t' -v k="$2" '$1==k {sub(/^[^\t]*\t/, ""); print; exit}' "$1" | tr -d '\r'; }

# The settings key as Wine stores it (written when the wineserver has saved the registry).
SETTINGS_SECTION='[Software\\\\Kestrelwick\\\\Selenarium\\\\Setting]'
settings_values() {
  wineserver -w
  awk -v s="$SETTINGS_SECTION" 'index($0, s)==1 {on=1; next} /^\[/ {on=0} on && /^"/ {print}' \
    "$WINEPREFIX/user.reg"
}

# same_file A B: byte-identical.
same_file() { cmp -s "$1" "$2"; }

setup_e2e_finish() {
  if [ "$SETUP_FAILURES" -ne 0 ]; then
    setup_e2e_log "$SETUP_FAILURES check(s) failed"
    exit 1
  fi
  setup_e2e_log "all checks passed"
  exit 0
}
