#!/usr/bin/env bash
# Installs the Debian packages named that are missing (with sudo unless run
# as root); without root and without sudo it stops before doing anything and
# prints the apt-get command to run as root.
# Usage: tools/install-packages.sh <caller> package...
set -euo pipefail
caller=$1
shift
missing=()
for p in "$@"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null; then
    echo "$caller: missing packages ${missing[*]}; as root, run: apt-get install ${missing[*]}" >&2
    exit 1
  fi
  sudo="sudo"
fi
echo "Installing: ${missing[*]}"
# Waits for another package manager's lock instead of failing at once.
apt=(apt-get -o DPkg::Lock::Timeout=300)
$sudo "${apt[@]}" update -qq
DEBIAN_FRONTEND=noninteractive $sudo "${apt[@]}" install -y -qq --no-install-recommends "${missing[@]}"
