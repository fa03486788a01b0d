#!/usr/bin/env bash
# Packs a configured build folder with cpack into the folder given, printing
# cpack's log and then, last, the path of the file it wrote.
# Usage: tools/run-cpack.sh BUILD-FOLDER OUTPUT-FOLDER
set -euo pipefail
build=$1 out=$2
mkdir -p -- "$out"
log=$(cpack --config "$build/CPackConfig.cmake" -B "$out")
echo "$log"
rm -rf -- "$out/_CPack_Packages"
written=$(sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p' <<<"$log")
[ -f "$written" ] || { echo "cpack wrote nothing into $out" >&2; exit 1; }
echo "$written"
