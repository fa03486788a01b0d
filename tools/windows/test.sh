#!/usr/bin/env bash
# The Windows part of the test command: makes the zip and the cross-built unit
# tests (tools/windows.sh) and the installer (tools/windows/installer.sh),
# checks the DLLs the zip's files import, runs the unit tests under wine
# through ctest, then the zip's and the installer's end-to-end tests
# (WindowsZipE2E and WindowsInstallerE2E in build/'s e2eTests, which
# tools/setup.sh builds), each on an X server of its own. Every part runs
# even when one before it fails. The wine prefix is made once, in the cache
# beside the dependencies.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(realpath -m -- "${NAV_WINDOWS_BUILD_DIR:-$root/build-windows}")
linux_build=$(realpath -m -- "${NAV_BUILD_DIR:-$root/build}")
cd "$root"
tools/install-packages.sh windows-test wine wine64 unzip xvfb xdotool x11-utils nsis
zip=$(NAV_TESTS=ON tools/windows.sh "$build" | tail -n1)
setup=$(NAV_TESTS=ON tools/windows/installer.sh "$build" | tail -n1)

export WINEPREFIX=${XDG_CACHE_HOME:-$HOME/.cache}/navigation-system/wine-prefix
# No installer dialogs for .NET or the HTML engine, no debug output, silent audio.
export WINEDLLOVERRIDES="mscoree,mshtml=" WINEDEBUG=-all ALSOFT_DRIVERS=null
# The unit tests need no display. The wine server is started once for them
# all (unless one runs), so no test waits for it to end.
unset DISPLAY
wineserver -p 30 2>/dev/null || true
wineboot -i >/dev/null 2>&1

status=0
tools/windows/check-imports.sh "$zip" || status=1
(cd "$build" && ctest --output-on-failure --timeout 300 -j"$(nproc)") || status=1
# Each end-to-end test starts a new wine session on its own display.
e2e=(timeout 600 "$linux_build/tests/e2eTests")
wineserver -k 2>/dev/null || true
NAV_WINDOWS_ZIP=$zip "${e2e[@]}" --gtest_filter='WindowsZipE2E.*' || status=1
wineserver -k 2>/dev/null || true
NAV_WINDOWS_SETUP=$setup "${e2e[@]}" --gtest_filter='WindowsInstallerE2E.*' || status=1
wineserver -k 2>/dev/null || true
exit $status
