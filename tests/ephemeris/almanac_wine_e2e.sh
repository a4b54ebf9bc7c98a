#!/usr/bin/env bash
# The Windows almanac under Wine agrees with the host one, and takes its zone from the
# Windows zone information (with the runtime's daylight flag) exactly as the host takes it
# from TZ. POSIX TZ strings set both Wine's zone and the C runtime's.
set -uo pipefail
source "$SELENARIUM_SOURCE_DIR/tests/harness/wine-env.sh"
wine_env_start

host="$SELENARIUM_HOST_BIN/selenarium-almanac"
win="$SELENARIUM_WIN64_BIN/selenarium-almanac.exe"
[ -x "$host" ] || { echo "missing $host"; exit 1; }
[ -f "$win" ] || { echo "missing $win"; exit 1; }

# Compares two JSON outputs: the same keys and text, numbers equal to 1e-9 relative
# (the two C runtimes' maths libraries may differ in the last bit).
same_state() {
  python3 - "$1" "$2" <<'PY'
import json, sys
a, b = json.loads(sys.argv[1]), json.loads(sys.argv[2])
keys = ["moonAzimuth", "moonAltitude", "moonRise", "moonSet", "sunAzimuth", "sunAltitude",
        "sunRise", "sunSet", "lunarDay", "lunarDayText", "lightVector", "lastNewMoon"]
def close(x, y):
    if isinstance(x, list):
        return len(x) == len(y) and all(close(p, q) for p, q in zip(x, y))
    if isinstance(x, str):
        return x == y
    return abs(x - y) <= 1e-9 * max(1.0, abs(x), abs(y))
ok = list(a) == keys and list(b) == keys and all(close(a[k], b[k]) for k in keys)
if not ok:
    print("differ:\n  %s\n  %s" % (json.dumps(a), json.dumps(b)))
sys.exit(0 if ok else 1)
PY
}

failures=0
# TZ, instant, latitude, longitude, the zone offset in force then (hours)
while read -r tz utc lat lon zone; do
  args=(--utc "$utc" --lat "$lat" --lon "$lon" --json)
  expected=$(TZ=$tz "$host" "${args[@]}" --zone "$zone")
  from_host_zone=$(TZ=$tz "$host" "${args[@]}")
  from_windows_zone=$(TZ=$tz wine "$win" "${args[@]}" | tr -d '\r')
  explicit_windows=$(TZ=UTC0 wine "$win" "${args[@]}" --zone "$zone" | tr -d '\r')
  for got in "$from_host_zone" "$from_windows_zone" "$explicit_windows"; do
    if ! same_state "$expected" "$got"; then
      echo "FAIL: TZ=$tz $utc at $lat, $lon (zone $zone)"
      failures=$((failures + 1))
    fi
  done
done <<'CASES'
EST5EDT 2005-07-01T12:00:00 40.7 -74.0 -4
EST5EDT 2005-12-01T03:30:00 40.7 -74.0 -5
IST-5:30 2005-10-12T12:00:00 28.6 77.2 5.5
MSK-3 2005-10-12T12:00:00 55.75 37.62 3
UTC0 2005-06-24T12:00:00 80.0 15.0 0
CASES

# A bad argument: one line naming it, exit code 2, on Windows too.
message=$(wine "$win" --lat 91 2>&1 >/dev/null | tr -d '\r')
code=$?
if [ "$code" -ne 2 ] || [[ "$message" != *"--lat"* ]]; then
  echo "FAIL: bad --lat gave exit $code and '$message'"
  failures=$((failures + 1))
fi

[ "$failures" -eq 0 ] && echo "almanac agrees on host and Windows"
exit "$failures"
