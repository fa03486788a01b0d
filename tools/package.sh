#!/usr/bin/env bash
# Installs what building and packing need, builds the program and writes the
# Debian package navigation-system_<version>_<arch>.deb into build/, or into
# the folder given. The last line printed is the package's path. With
# $NAV_BUILD_DIR set, that folder takes the place of build/.
# Usage: tools/package.sh [output-folder]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m -- "${NAV_BUILD_DIR:-$root/build}")
export NAV_BUILD_DIR=$build
out=$(realpath -m -- "${1:-$build}")
cd "$root"
tools/setup.sh --package
tools/run-cpack.sh "$build" "$out"
