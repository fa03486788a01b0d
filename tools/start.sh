#!/usr/bin/env bash
# Installs what building and running need, builds the program alone and
# starts it on the sample map, with the arguments given here.
# It runs as installed, never in the checkout: the program is installed into
# build/run/, and that install's launcher runs it in build/user/ (or in
# $NAVIGATION_HOME when set), where it copies the sample data on the first
# start and keeps the user's registrations and edits after that. With
# $NAV_BUILD_DIR set, that folder takes the place of build/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m -- "${NAV_BUILD_DIR:-$root/build}")
export NAV_BUILD_DIR=$build
"$root/tools/setup.sh" --program
cmake --install "$build" --prefix "$build/run" >/dev/null
export NAVIGATION_HOME=${NAVIGATION_HOME:-$build/user}
exec "$build/run/bin/navigation-system" "$@"
