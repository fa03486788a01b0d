#!/usr/bin/env bash
# Installs what is missing (Debian packages), puts the font in place and
# builds the program and its tests into build/. Safe to run again.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  build-essential cmake pkg-config
  libsfml-dev libopenal-dev libx11-dev libgl1-mesa-dri
  libgtest-dev googletest libbenchmark-dev libboost-graph-dev
  fonts-wqy-microhei
  xvfb xdotool imagemagick x11-utils desktop-file-utils
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The program reads its one font under this name; any TrueType file serves.
mkdir -p fonts
font=fonts/MF-FangHei-Noncommercial-Regular.ttf
[ -f "$font" ] || cp /usr/share/fonts/truetype/wqy/wqy-microhei.ttc "$font"

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
