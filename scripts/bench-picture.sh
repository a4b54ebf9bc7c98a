#!/usr/bin/env bash
# Figures for the packed Moon picture: pack size, PSNR of the rebuilt picture, decode time
# and speed, and side by side in the same run 7z's PPMd on the same decoded bytes and the
# source picture as PNG and as JPEG at the pack's PSNR (ImageMagick).
#   SELENARIUM_BUILD_DIR  build folder holding host/ (default: build)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${SELENARIUM_BUILD_DIR:-$root/build}
bin=$build/host/bin
source_pgm=$root/resources/source/moon/moon_nearside_1024.pgm
pack=$build/host/data/moon_1024x1024.pack
convert=/usr/bin/convert   # ImageMagick itself, not a stand-in earlier on PATH
for tool in "$bin/selenarium-unpack" "$bin/selenarium-unpack-bench" "$pack"; do
  [ -e "$tool" ] || { echo "bench-picture: $tool is missing; build the host first" >&2; exit 1; }
done
command -v 7z >/dev/null || { echo "bench-picture: 7z missing (apt-get install p7zip-full)" >&2; exit 1; }
[ -x "$convert" ] || { echo "bench-picture: ImageMagick missing (apt-get install imagemagick)" >&2; exit 1; }
work=$(mktemp -d /tmp/bench-picture.XXXXXX)
trap 'rm -rf "$work"' EXIT

# PSNR of a grey picture (PGM) against the source.
psnr() {
  python3 - "$source_pgm" "$1" <<'PY'
import math, sys
def pgm(path):
    data = open(path, 'rb').read()
    fields, i = [], 0
    while len(fields) < 4:
        while data[i:i+1].isspace(): i += 1
        if data[i:i+1] == b'#':
            i = data.index(b'\n', i); continue
        j = i
        while not data[j:j+1].isspace(): j += 1
        fields.append(data[i:j]); i = j
    w, h = int(fields[1]), int(fields[2])
    return w, h, data[i+1:i+1+w*h]
w, h, a = pgm(sys.argv[1]); _, _, b = pgm(sys.argv[2])
sse = sum((x - y) ** 2 for x, y in zip(a, b))
print("%.3f" % (10 * math.log10(255 * 255 * w * h / sse) if sse else 99))
PY
}

# The rebuilt picture: left half of the texture, grey levels inverted, rows top-down.
"$bin/selenarium-unpack" "$pack" "$work/texture.bmp" >/dev/null
python3 - "$work/texture.bmp" "$work/rebuilt.pgm" <<'PY'
import struct, sys
d = open(sys.argv[1], 'rb').read()
off = struct.unpack_from('<I', d, 10)[0]; w, h = struct.unpack_from('<ii', d, 18)
rows = [d[off + r * w: off + r * w + w // 2] for r in range(h)][::-1]
open(sys.argv[2], 'wb').write(b'P5\n%d %d\n255\n' % (w // 2, h) + bytes(255 - v for row in rows for v in row))
PY
pack_size=$(stat -c %s "$pack")
pack_psnr=$(psnr "$work/rebuilt.pgm")
echo "pack size: $pack_size bytes"
echo "pack PSNR: $pack_psnr dB"
"$bin/selenarium-unpack-bench" "$pack" 15 --decoded "$work/decoded.bin"

ms_now() { date +%s%N; }
best_ms() {   # best_ms REPEATS COMMAND...: fastest wall time of a command in ms
  local n=$1; shift; local best=
  for _ in $(seq "$n"); do
    local t0 t1; t0=$(ms_now); "$@" >/dev/null 2>&1; t1=$(ms_now)
    local ms=$(( (t1 - t0) / 1000 ))
    if [ -z "$best" ] || [ "$ms" -lt "$best" ]; then best=$ms; fi
  done
  awk -v us="$best" 'BEGIN { printf "%.2f", us / 1000 }'
}
echo "selenarium-unpack whole run (process, file read, decode, rebuild, write): $(best_ms 7 "$bin/selenarium-unpack" "$pack" "$work/t.bmp") ms"

for level in 5 9; do
  (cd "$work" && 7z a -bd -m0=PPMd -mx=$level "decoded$level.7z" decoded.bin >/dev/null)
  echo "7z PPMd (-mx=$level) of the decoded bytes: $(stat -c %s "$work/decoded$level.7z") bytes," \
       "decode (process, fastest of 7): $(best_ms 7 7z e -so "$work/decoded$level.7z") ms"
done
echo "selenarium-unpack-bench process (one decode, fastest of 7): $(best_ms 7 "$bin/selenarium-unpack-bench" "$pack" 1) ms"

"$convert" "$source_pgm" "$work/source.png"
echo "PNG of the source: $(stat -c %s "$work/source.png") bytes (lossless)"
# JPEG: the lowest quality whose PSNR reaches the pack's, and the one just below it.
lo=50 hi=100
while [ $((hi - lo)) -gt 1 ]; do
  mid=$(( (lo + hi) / 2 ))
  "$convert" "$source_pgm" -quality "$mid" "$work/q.jpg"; "$convert" "$work/q.jpg" "$work/q.pgm"
  if awk -v a="$(psnr "$work/q.pgm")" -v b="$pack_psnr" 'BEGIN { exit !(a >= b) }'; then hi=$mid; else lo=$mid; fi
done
jpeg=()
for q in "$lo" "$hi"; do
  "$convert" "$source_pgm" -quality "$q" "$work/q.jpg"; "$convert" "$work/q.jpg" "$work/q.pgm"
  size=$(stat -c %s "$work/q.jpg") q_psnr=$(psnr "$work/q.pgm")
  jpeg+=("$size" "$q_psnr")
  echo "JPEG quality $q: $size bytes, PSNR $q_psnr dB"
done
# The JPEG size at exactly the pack's PSNR, between the two qualities around it.
awk -v s0="${jpeg[0]}" -v p0="${jpeg[1]}" -v s1="${jpeg[2]}" -v p1="${jpeg[3]}" \
    -v pack="$pack_size" -v pp="$pack_psnr" 'BEGIN {
  t = (p1 > p0) ? (pp - p0) / (p1 - p0) : 1; if (t < 0) t = 0; if (t > 1) t = 1
  equal = s0 + t * (s1 - s0)
  printf "JPEG at the pack'"'"'s PSNR (interpolated): %.0f bytes; pack / JPEG = %.3f\n", equal, pack / equal
  printf "goal (PSNR >= 36.3 dB and pack <= JPEG of equal PSNR): %s\n", (pp >= 36.3 && pack <= equal) ? "met" : "not met"
}'
