# Private Wine environment for one test: its own prefix (copied from a template made once
# per build), its own Xvfb display, and a clean-up that leaves no process behind.
# Source this file, then call wine_env_start; wine_env_stop runs on exit.
#
#   SELENARIUM_WINE_TEMPLATE  where the template prefix lives (made on first use)
#   WINE_ENV_SCREEN           Xvfb screen geometry, default 1024x768x24
#
# After wine_env_start: WINEPREFIX, DISPLAY, WINE_ENV_DIR (scratch folder) are set.

: "${WINE_ENV_SCREEN:=1024x768x24}"
export WINEDEBUG=${WINEDEBUG:--all}
export WINEARCH=win64
# No Mono or Gecko installer dialogs while a prefix is made.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

WINE_ENV_XVFB_PID=
WINE_ENV_DIR=

wine_env_log() { echo "[wine-env] $*" >&2; }

# wait_until SECONDS COMMAND... : poll until COMMAND succeeds; 1 on timeout.
wait_until() {
  local limit=$1; shift
  local deadline=$(( $(date +%s%N) / 1000000 + limit * 1000 ))
  while ! "$@" >/dev/null 2>&1; do
    if (( $(date +%s%N) / 1000000 > deadline )); then return 1; fi
    sleep 0.1
  done
}

wine_env_make_template() {
  local template=$1
  mkdir -p "$(dirname "$template")"
  (
    flock 9
    if [ ! -f "$template/.ready" ]; then
      rm -rf "$template"
      wine_env_log "creating template prefix $template"
      WINEPREFIX="$template" DISPLAY= wine wineboot -i >/dev/null 2>&1
      WINEPREFIX="$template" wineserver -w
      # Only a prefix that finished booting may serve as the template.
      if [ -f "$template/system.reg" ] && [ -f "$template/user.reg" ] \
         && [ -d "$template/drive_c/windows/system32" ]; then
        touch "$template/.ready"
      else
        wine_env_log "creating the template prefix failed"
        exit 1
      fi
    fi
  ) 9>"$template.lock"
}

wine_env_free_display() {
  local n
  for _ in $(seq 1 200); do
    n=$((100 + RANDOM % 800))
    if [ ! -e "/tmp/.X${n}-lock" ] && [ ! -e "/tmp/.X11-unix/X${n}" ]; then
      echo "$n"; return 0
    fi
  done
  return 1
}

wine_env_display_is_ours() {
  kill -0 "$2" 2>/dev/null || return 1
  [ "$(tr -dc '0-9' < "/tmp/.X$1-lock" 2>/dev/null)" = "$2" ] || return 1
  xdpyinfo -display ":$1" >/dev/null 2>&1
}

wine_env_start() {
  local template=${SELENARIUM_WINE_TEMPLATE:-/tmp/selenarium-wine-template}
  wine_env_make_template "$template" || return 1
  WINE_ENV_DIR=$(mktemp -d /tmp/selenarium-test.XXXXXX)
  export WINE_ENV_DIR
  cp -a "$template" "$WINE_ENV_DIR/prefix"
  export WINEPREFIX="$WINE_ENV_DIR/prefix"
  trap wine_env_stop EXIT
  local tries n
  for tries in 1 2 3 4 5; do
    n=$(wine_env_free_display) || continue
    Xvfb ":$n" -screen 0 "$WINE_ENV_SCREEN" -nolisten tcp >"$WINE_ENV_DIR/xvfb.log" 2>&1 &
    WINE_ENV_XVFB_PID=$!
    # The display is ours only when the lock file names our Xvfb: another test may
    # have picked the same number a moment earlier.
    if wait_until 15 wine_env_display_is_ours "$n" "$WINE_ENV_XVFB_PID"; then
      export DISPLAY=":$n"
      return 0
    fi
    kill "$WINE_ENV_XVFB_PID" 2>/dev/null; wait "$WINE_ENV_XVFB_PID" 2>/dev/null
  done
  wine_env_log "could not start Xvfb"
  return 1
}

wine_env_stop() {
  # Runs from the EXIT trap: never let a clean-up step change the test's exit status.
  local status=$?
  if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
  fi
  if [ -n "$WINE_ENV_XVFB_PID" ]; then
    kill "$WINE_ENV_XVFB_PID" 2>/dev/null || true
    wait "$WINE_ENV_XVFB_PID" 2>/dev/null || true
    WINE_ENV_XVFB_PID=
  fi
  if [ -n "$WINE_ENV_DIR" ] && [ -z "${WINE_ENV_KEEP:-}" ]; then
    rm -rf "$WINE_ENV_DIR" || true
  fi
  return $status
}

# screenshot FILE.png : the whole screen of this test's display.
screenshot() { import -display "$DISPLAY" -window root "$1"; }

# pixel FILE.png X Y : prints "R G B" of one pixel.
pixel() {
  convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- | tail -n 1 \
    | sed -E 's/.*\(([0-9.]+),([0-9.]+),([0-9.]+).*/\1 \2 \3/' | awk '{printf "%d %d %d\n",$1,$2,$3}'
}

# reg_query KEY VALUE : the data column of one registry value ("" when missing).
reg_query() {
  wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | awk -v v="$2" '$1==v {print $NF}'
}
