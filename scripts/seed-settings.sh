#!/usr/bin/env bash
# Writes the screensaver's settings into the current Wine prefix (WINEPREFIX) the way
# the installer would, pointing at the texture files of a build:
#   seed-settings.sh BUILD_DIR     (textures from BUILD_DIR/host/data)
# Optional overrides (environment):
#   SELENARIUM_SEED_LANGUAGE   0 English (default), 1 Russian
#   SELENARIUM_SEED_LATITUDE   degrees north (default 55.75)
#   SELENARIUM_SEED_LONGITUDE  degrees east (default 37.62)
#   SELENARIUM_SEED_SHOW_TEXT, SELENARIUM_SEED_SHOW_STAR   0 or 1 (default 1)
set -euo pipefail
build=${1:?usage: seed-settings.sh BUILD_DIR}
data="$(cd "$build/host/data" 2>/dev/null && pwd || echo "$build/host/data")"
key='HKCU\SOFTWARE\Kestrelwick\Selenarium\Setting'

# Wine shows the Linux root as drive Z:.
windows_path() { printf 'Z:%s' "${1//\//\\}"; }
# Little-endian hex of an IEEE double and of integers, as the settings store keeps them.
double_hex() { perl -e 'print unpack("H*", pack("d<", $ARGV[0]))' "$1"; }
int32_hex() { perl -e 'print unpack("H*", pack("l<", $ARGV[0]))' "$1"; }
byte_hex() { printf '%02x' "$1"; }

put() { wine reg add "$key" /v "$1" /t "$2" /d "$3" /f >/dev/null; }

full=$(windows_path "$data/moon_2048x1024.bmp")
preview=$(windows_path "$data/moon_256x128.bmp")
for path in "$full" "$preview"; do
  # The screensaver reads each path into 100 bytes, its terminating NUL included.
  if [ ${#path} -ge 100 ]; then
    echo "seed-settings: texture path too long for the screensaver (${#path} bytes): $path" >&2
  fi
done

put textures00 REG_SZ "$full"
put textures01 REG_SZ "$preview"
put places00 REG_SZ "$(windows_path "$data/town_en")"
put places01 REG_SZ "$(windows_path "$data/town_ru")"
put Language REG_BINARY "$(int32_hex "${SELENARIUM_SEED_LANGUAGE:-0}")"
put ShowText REG_BINARY "$(byte_hex "${SELENARIUM_SEED_SHOW_TEXT:-1}")"
put ShowStar REG_BINARY "$(byte_hex "${SELENARIUM_SEED_SHOW_STAR:-1}")"
put Latitude REG_BINARY "$(double_hex "${SELENARIUM_SEED_LATITUDE:-55.75}")"
put Longitude REG_BINARY "$(double_hex "${SELENARIUM_SEED_LONGITUDE:-37.62}")"
