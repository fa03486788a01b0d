#!/usr/bin/env bash
# Sets everything up, then runs every test: unit tests, window tests and
# end-to-end tests. Window and end-to-end tests start their own Xvfb, so no
# display is needed.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
export ALSOFT_DRIVERS=null
cd build
ctest --output-on-failure -j"$(nproc)" "$@"
