#!/usr/bin/env bash
# Sets everything up, then starts the program on the bundled sample map.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
exec build/navigation
