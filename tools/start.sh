#!/usr/bin/env bash
# Installs what building and running need, builds the program alone and
# starts it on the sample map, with the arguments given here.
# It runs as installed, never in the checkout: the program is installed into
# build/run/, and that install's launcher runs it in build/user/ (or in
# $NAVIGATION_HOME when set), where it copies the sample data on the first
# start and keeps the user's registrations and edits after that.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh --program
cmake --install build --prefix "$PWD/build/run" >/dev/null
export NAVIGATION_HOME=${NAVIGATION_HOME:-$PWD/build/user}
exec build/run/bin/navigation-system "$@"
