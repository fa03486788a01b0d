#!/usr/bin/env bash
# Installs what is missing (Debian packages), puts the font in place and
# builds into build/. Safe to run again.
#   (no option)  the program, its tests and benchmarks, and every tool the
#                tests use
#   --program    only what building and running the program needs, and the
#                program alone (what tools/start.sh runs)
#   --package    that, and what packing it as a Debian package needs
#                (what tools/package.sh runs)
#   --sanitize   everything, and also build-san/: the unit tests, window
#                tests and fuzz targets compiled by clang with
#                AddressSanitizer and UndefinedBehaviorSanitizer (what
#                tools/test.sh runs second)
# The build folder is build/ in the checkout, or $NAV_BUILD_DIR when set
# (the tests of the start and package commands build in folders of their own).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m -- "${NAV_BUILD_DIR:-$root/build}")
cd "$root"
mode=${1:-}
case $mode in
  "" | --program | --package | --sanitize) ;;
  *) echo "setup: unknown option '$mode' (--program, --package or --sanitize)" >&2; exit 2 ;;
esac

packages=(build-essential cmake pkg-config libsfml-dev libopenal-dev libgl1-mesa-dri fonts-wqy-microhei)
packing=(dpkg-dev file)
case $mode in
  --program) ;;
  --package) packages+=("${packing[@]}") ;;
  *)
    packages+=("${packing[@]}"
      libx11-dev libgtest-dev googletest libbenchmark-dev libboost-graph-dev
      xvfb xdotool imagemagick x11-utils desktop-file-utils lintian appstream git mmdebstrap)
    ;;
esac
[ "$mode" = --sanitize ] && packages+=(clang-14 libfuzzer-14-dev libclang-rt-14-dev)
tools/install-packages.sh setup "${packages[@]}"

# The program reads its one font under this name; any TrueType file serves.
# The tests copy it from here; an install takes it from the font package.
mkdir -p fonts
font=fonts/MF-FangHei-Noncommercial-Regular.ttf
[ -f "$font" ] || cp /usr/share/fonts/truetype/wqy/wqy-microhei.ttc "$font"

# One build folder for all: the program alone, or with the tests, benchmarks
# and everything they need.
case $mode in
  --program | --package)
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNAV_TESTS=OFF >/dev/null
    cmake --build "$build" -j"$(nproc)" --target navigation
    ;;
  *)
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNAV_TESTS=ON >/dev/null
    cmake --build "$build" -j"$(nproc)"
    ;;
esac

if [ "$mode" = --sanitize ]; then
  # Lightly optimised: these builds are for running the tests once.
  cmake -S . -B build-san -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=Sanitize \
    -DNAV_SANITIZE=ON -DNAV_TESTS=ON -DNAV_FUZZ=ON >/dev/null
  cmake --build build-san -j"$(nproc)"
fi
