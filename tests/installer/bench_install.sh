#!/usr/bin/env bash
# Benchmark of an installation under Wine: the time from pressing Install to the outcome
# message, in three parts: "dialogs" (Install until the progress dialog shows; under Wine
# without a window manager, hiding the setup dialog alone waits about 2 s for the X server),
# "payload" (until the status turns to "Unpacking of pictures...": writing the files, with
# a 50 ms pause per file) and "unpack" (until the message appears).
# Also prints the size of the shipped 32-bit installer and of its parts.
#   bash tests/installer/bench_install.sh [BUILD_DIR] [ROUNDS]
# BUILD_DIR holds the host, win32 and win64 builds (default: build).
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
rounds=${2:-5}
export SELENARIUM_SOURCE_DIR=$root
export SELENARIUM_WIN64_BIN=$build/win64/bin
export SELENARIUM_WIN32_BIN=$build/win32/bin
export SELENARIUM_HOST_BIN=$build/host/bin
export SELENARIUM_WINE_TEMPLATE=$build/win64/wine-template
. "$root/tests/installer/setup_e2e_lib.sh"
setup_e2e_start
W=$SETUP_WORK

echo "Installation time under Wine (win64 build, ms; payload writing includes a 50 ms pause per file):"
printf '%-6s %10s %10s %10s %10s\n' round dialogs payload unpack total
for r in $(seq 1 "$rounds"); do
  stamps="$W/stamps$r.txt"
  run_setup
  drive dialog 1014 60 set-text 1014 "C:\\Bench $r" stamp "$(winpath "$stamps")" install click 1 \
        dialog 1025 30 stamp "$(winpath "$stamps")" progress wait-text 1026 "Unpacking of pictures..." 60 \
        stamp "$(winpath "$stamps")" unpacking wait-message 300 \
        stamp "$(winpath "$stamps")" outcome message "$(winpath "$W/outcome$r.txt")" 1 30 || exit 1
  wait_until 30 setup_exited
  test "$(field "$W/outcome$r.txt" text)" = "Setup is complete" || { echo "round $r did not install"; exit 1; }
  awk -F'\t' -v r="$r" '{t[$1]=$2} END {printf "%-6s %10.0f %10.0f %10.0f %10.0f\n", r,
      t["progress"]-t["install"], t["unpacking"]-t["progress"], t["outcome"]-t["unpacking"],
      t["outcome"]-t["install"]}' "$stamps"
done | tee "$W/rounds.txt"
median() { cut -c"$1" "$W/rounds.txt" | sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }
printf '%-6s %10s %10s %10s %10s\n' median "$(median 8-17)" "$(median 19-28)" "$(median 30-39)" "$(median 41-50)"

echo
echo "Shipped installer (win32 build, bytes):"
data=$build/host/data
for f in "$SELENARIUM_WIN32_BIN/setup_selenarium.exe" "$SELENARIUM_WIN32_BIN/Selenarium.scr" \
         "$data/town_en" "$data/town_ru" "$data/moon_1024x1024.pack" "$data/moon_256x128.bmp" \
         "$data/readme.txt" "$data/license.txt"; do
  if [ -e "$f" ]; then printf '%10d  %s\n' "$(stat -c %s "$f")" "$(basename "$f")"; else printf '%10s  %s\n' missing "$(basename "$f")"; fi
done
