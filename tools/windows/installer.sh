#!/usr/bin/env bash
# Makes the Windows installer navigation-system-<version>-setup.exe from the
# zip tools/windows.sh writes (built first), with Debian's nsis, into the
# zip's folder or the folder given. The last line printed is its path.
# Usage: tools/windows/installer.sh [output-folder]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
"$root/tools/install-packages.sh" windows-installer nsis unzip
zip=$("$root/tools/windows.sh" "$@" | tail -n1)
out=$(dirname -- "$zip")
work=$(mktemp -d)
trap 'rm -rf -- "$work"' EXIT
(cd "$work" && unzip -q "$zip")
tree=$(find "$work" -mindepth 1 -maxdepth 1 -type d)
name=$(basename -- "$tree")
version=${name#navigation-system-}
version=${version%-windows-x64}
setup=$out/navigation-system-$version-setup.exe
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DTREE="$tree" -DOUTFILE="$setup" \
  "$root/packaging/windows/installer.nsi" >&2
echo "$setup"
