#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need; quiet when all are there.
set -euo pipefail
packages=(
  cmake make g++ googletest libgtest-dev libbenchmark-dev
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
  wine64 xvfb xauth x11-utils libgl1-mesa-dri libgl1 libglx-mesa0
  imagemagick xdotool faketime fonts-dejavu-core
  clang libclang-rt-14-dev p7zip-full file python3
)
missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
# wine32 makes /usr/bin/wine pick a loader that cannot run here.
if dpkg-query -W -f='${Status}' wine32 2>/dev/null | grep -q "install ok installed"; then
  echo "setup: wine32 is installed; remove it (apt-get remove wine32), 32-bit programs cannot run here" >&2
  exit 1
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq "${missing[@]}" >/dev/null
fi
