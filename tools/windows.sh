#!/usr/bin/env bash
# Cross-builds the program for 64-bit Windows and writes
# navigation-system-<version>-windows-x64.zip into build-windows/, or into the
# folder given. The last line printed is the zip's path. Installs the cross
# compilers it needs; the dependencies are built once into a cache outside
# the checkout (tools/windows/deps.sh) and reused. With $NAV_WINDOWS_BUILD_DIR
# set, that folder takes the place of build-windows/; with NAV_TESTS=ON in the
# environment the unit tests are built too (tools/windows/test.sh).
# Usage: tools/windows.sh [output-folder]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m -- "${NAV_WINDOWS_BUILD_DIR:-$root/build-windows}")
out=$(realpath -m -- "${1:-$build}")
cd "$root"
tools/install-packages.sh windows g++-mingw-w64-x86-64-posix mingw-w64-tools binutils-mingw-w64-x86-64 \
  cmake make dpkg-dev xz-utils fonts-wqy-microhei googletest

deps=$(tools/windows/deps.sh | tail -n1)
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/tools/windows/toolchain.cmake" -DNAV_WINDOWS_DEPS="$deps" \
  -DCMAKE_BUILD_TYPE=Release -DNAV_TESTS="${NAV_TESTS:-OFF}" >/dev/null
cmake --build "$build" -j"$(nproc)"

tools/run-cpack.sh "$build" "$out"
