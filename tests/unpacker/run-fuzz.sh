#!/usr/bin/env bash
# Runs the unpacker's fuzz target for a while, starting from small packed pictures made
# by selenarium-pack from crops of the Moon picture.
#   run-fuzz.sh FUZZER SELENARIUM_PACK SOURCE.pgm SECONDS
set -euo pipefail
fuzzer=$1 pack=$2 source=$3 seconds=$4
work=$(mktemp -d /tmp/unpack-fuzz.XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/corpus"
for size in 32 64 128; do
  python3 - "$source" "$work/crop$size.pgm" "$size" <<'PY'
import sys
src, dst, n = sys.argv[1], sys.argv[2], int(sys.argv[3])
data = open(src, 'rb').read()
header_end = 0
fields = 0
while fields < 4:                       # "P5", width, height, maxval
    while data[header_end:header_end + 1].isspace():
        header_end += 1
    if data[header_end:header_end + 1] == b'#':   # comment line
        header_end = data.index(b'\n', header_end)
        continue
    while not data[header_end:header_end + 1].isspace():
        header_end += 1
    fields += 1
pixels = data[header_end + 1:]
w = 1024
rows = [pixels[(400 + r) * w + 300:(400 + r) * w + 300 + n] for r in range(n)]
open(dst, 'wb').write(b'P5\n%d %d\n255\n' % (n, n) + b''.join(rows))
PY
  "$pack" "$work/crop$size.pgm" "$work/corpus/seed$size.pack" >/dev/null
done
"$fuzzer" -max_total_time="$seconds" -seed=1 -timeout=10 -rss_limit_mb=2048 \
  -print_final_stats=1 "$work/corpus" 2>&1 | tail -n 25
