#!/usr/bin/env bash
# Checks that every exe and DLL in the Windows zip loads on a plain Windows 10:
# each DLL it imports is either in the zip or one that Windows 10 itself
# holds. Prints each file's imports; fails naming any other DLL.
# Usage: tools/windows/check-imports.sh <zip>
set -euo pipefail
zip=$(realpath -- "$1")
work=$(mktemp -d)
trap 'rm -rf -- "$work"' EXIT
(cd "$work" && unzip -q "$zip")

# The system DLLs of every Windows 10 install that programs like this one
# import (the C runtime msvcrt.dll included).
system="advapi32 avrt gdi32 kernel32 msvcrt ole32 oleaut32 opengl32 setupapi shell32 shlwapi user32 version winmm ws2_32"
status=0
mapfile -t binaries < <(find "$work" -iname '*.exe' -o -iname '*.dll')
for binary in "${binaries[@]}"; do
  imports=$(x86_64-w64-mingw32-objdump -p "$binary" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
  echo "${binary#"$work"/}: $(echo $imports)"
  for dll in $imports; do
    [[ " $system " == *" ${dll%.dll} "* ]] && continue
    [ -n "$(find "$(dirname "$binary")" -maxdepth 1 -iname "$dll")" ] && continue
    echo "check-imports: ${binary##*/} needs $dll, which is neither in the zip nor part of Windows 10" >&2
    status=1
  done
done
[ ${#binaries[@]} -gt 0 ] || { echo "check-imports: no exe or DLL in $zip" >&2; status=1; }
exit $status
