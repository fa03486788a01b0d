#!/usr/bin/env bash
# Tries the README's start and package commands as a newcomer meets them: on
# a minimal Debian 12 with git alone, and on a copy where GoogleTest and
# Google Benchmark are installed first (as on many developers' machines).
# Each system gets a clone of the checkout's committed HEAD; there
#   - tools/setup.sh run by a user who is neither root nor has sudo stops at
#     once with the apt-get command to run (bare system only),
#   - tools/start.sh must show the login window, seen on an Xvfb display of
#     this machine through the bind-mounted X socket, and exit with status 0
#     on Escape,
#   - tools/package.sh must print the path of a .deb it wrote, last.
# The minimal system is made once with mmdebstrap and kept as a tarball in
# the user's cache folder. Each system runs in a private mount and process
# namespace, so no mount or process outlives it, and its tree is removed
# only once nothing is mounted in it. Needs root; without it, says so in one
# line and exits 0.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ "$(id -u)" -ne 0 ] || ! command -v mmdebstrap >/dev/null || ! unshare -m -p -f true 2>/dev/null; then
  echo "fresh-system check: not run (it needs root, unshare and mmdebstrap); the start and package commands were not tried on a fresh Debian 12"
  exit 0
fi

cache=${XDG_CACHE_HOME:-$HOME/.cache}/navigation-system
tarball=$cache/debian12-minbase-git.tar
started=$SECONDS
if [ ! -f "$tarball" ]; then
  mkdir -p "$cache"
  echo "fresh-system check: making the minimal Debian 12 system (once, kept in $tarball)"
  # Made under another name and renamed when complete, so a run cut short
  # leaves no tarball to be taken for a whole one.
  rm -rf -- "$tarball.part"
  mmdebstrap --quiet --format=tar --variant=minbase --include=git,ca-certificates bookworm "$tarball.part"
  mv -- "$tarball.part" "$tarball"
fi

work=$(mktemp -d /var/tmp/navigation-fresh.XXXXXX)
display=""
for n in $(seq 90 120); do [ -e /tmp/.X11-unix/X$n ] || { display=:$n; break; }; done
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
finish() {
  kill "$xvfb" 2>/dev/null || true
  # The namespaces are gone once unshare returns; a tree still mounted here
  # would be a fault of the check, and is then left in place.
  if grep -qF " $work/" /proc/self/mountinfo; then
    echo "fresh-system check: $work still has mounts; left in place" >&2
  else
    rm -rf -- "$work"
  fi
}
trap finish EXIT
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done

status=0
for system in bare test-packages; do
  tree=$work/$system
  mkdir "$tree"
  tar -xf "$tarball" -C "$tree"
  git clone --quiet "$root" "$tree/opt/navigation-system"
  if unshare --mount --pid --fork --kill-child \
    "$root/tools/fresh-system/try-commands.sh" "$tree" "$system" "$display" 2>&1 | sed -u "s/^/[$system] /"; then
    :
  else
    status=1
  fi
done
echo "fresh-system check: $([ $status -eq 0 ] && echo passed || echo FAILED) in $((SECONDS - started)) s"
exit $status
