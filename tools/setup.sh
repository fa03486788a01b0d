#!/usr/bin/env bash
# Installs what is missing (Debian packages), puts the font in place and
# builds the program and its tests into build/. Safe to run again.
#   --sanitize  also builds build-san/: the unit tests, window tests and fuzz
#               targets compiled by clang with AddressSanitizer and
#               UndefinedBehaviorSanitizer (what tools/test.sh runs second)
set -euo pipefail
cd "$(dirname "$0")/.."
sanitize=false
[ "${1:-}" = "--sanitize" ] && sanitize=true

packages=(
  build-essential cmake pkg-config
  libsfml-dev libopenal-dev libx11-dev libgl1-mesa-dri
  libgtest-dev googletest libbenchmark-dev libboost-graph-dev
  fonts-wqy-microhei
  xvfb xdotool imagemagick x11-utils desktop-file-utils
)
$sanitize && packages+=(clang-14 libfuzzer-14-dev libclang-rt-14-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  # Waits for another package manager's lock instead of failing at once.
  apt=(apt-get -o DPkg::Lock::Timeout=300)
  $sudo "${apt[@]}" update -qq
  DEBIAN_FRONTEND=noninteractive $sudo "${apt[@]}" install -y -qq --no-install-recommends "${missing[@]}"
fi

# The program reads its one font under this name; any TrueType file serves.
mkdir -p fonts
font=fonts/MF-FangHei-Noncommercial-Regular.ttf
[ -f "$font" ] || cp /usr/share/fonts/truetype/wqy/wqy-microhei.ttc "$font"

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"

if $sanitize; then
  # Lightly optimised: these builds are for running the tests once.
  cmake -S . -B build-san -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=Sanitize \
    -DNAV_SANITIZE=ON -DNAV_FUZZ=ON >/dev/null
  cmake --build build-san -j"$(nproc)"
fi
