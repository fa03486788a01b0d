#!/usr/bin/env bash
# Sets everything up, then runs every test: unit tests, window tests and
# end-to-end tests in build/, then the unit tests, window tests and fuzz
# targets again under AddressSanitizer and UndefinedBehaviorSanitizer in
# build-san/; then the start and package commands on fresh Debian 12
# systems (tools/check-fresh-system.sh); last, the Windows zip and its tests
# under wine (tools/windows/test.sh). Window and end-to-end tests start
# their own Xvfb, so no display is needed. Arguments go to both ctest runs.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh --sanitize
export ALSOFT_DRIVERS=null
# Every part runs even when one before it fails; any failing fails the command.
status=0
(cd build && ctest --no-tests=error --output-on-failure -j"$(nproc)" "$@") || status=1
(cd build-san && ctest --output-on-failure -j"$(nproc)" "$@") || status=1
tools/check-fresh-system.sh || status=1
tools/windows/test.sh || status=1
exit $status
