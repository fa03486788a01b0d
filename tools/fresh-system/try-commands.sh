#!/usr/bin/env bash
# One system of tools/check-fresh-system.sh, run as the first process of a
# private mount and process namespace: what it mounts and starts ends with it.
# Usage: try-commands.sh TREE SYSTEM DISPLAY
#   TREE     the unpacked minimal system, the checkout cloned at
#            /opt/navigation-system
#   SYSTEM   bare, or test-packages (GoogleTest and Google Benchmark first)
#   DISPLAY  the Xvfb display of this machine the program is to show on
set -euo pipefail
tree=$1 system=$2 display=$3
checkout=/opt/navigation-system

mount -t proc proc "$tree/proc"
mount --rbind /dev "$tree/dev"
mkdir -p "$tree/tmp/.X11-unix"
mount --bind /tmp/.X11-unix "$tree/tmp/.X11-unix"
cp -L /etc/resolv.conf "$tree/etc/resolv.conf"

inside() {
  chroot "$tree" /usr/bin/env -i HOME=/root LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive DISPLAY="$display" ALSOFT_DRIVERS=null \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "$@"
}
fail() { echo "FAILED: $*"; exit 1; }

if [ "$system" = bare ]; then
  # A user without root and without sudo is told the command, and nothing
  # is installed or built.
  set +e
  said=$(inside setpriv --reuid=65534 --regid=65534 --clear-groups "$checkout/tools/setup.sh" --program 2>&1)
  code=$?
  set -e
  [ $code -ne 0 ] && [ "$(wc -l <<<"$said")" -eq 1 ] && grep -q "run: apt-get install .*libsfml-dev" <<<"$said" &&
    [ ! -e "$tree$checkout/build" ] || fail "set-up without root or sudo said: $said (status $code)"
  echo "set-up without root or sudo: $said"
else
  inside apt-get update -qq
  inside apt-get install -y -qq --no-install-recommends googletest libgtest-dev libbenchmark-dev >/dev/null 2>&1 ||
    fail "could not install googletest, libgtest-dev, libbenchmark-dev"
  echo "installed googletest, libgtest-dev, libbenchmark-dev"
fi

# The start command, until the login screen's first frame: a 640x480 window
# whose corner is the login page's cyan.
export DISPLAY=$display
log=$tree/root/start.log
started=$SECONDS
inside "$checkout/tools/start.sh" >"$log" 2>&1 &
start=$!
shot=$tree/root/login.png
seen=""
while [ -z "$seen" ] && kill -0 $start 2>/dev/null && [ $((SECONDS - started)) -lt 900 ]; do
  if place=$(xwininfo -root -tree | grep -oE '640x480\+-?[0-9]+\+-?[0-9]+ +\+-?[0-9]+\+-?[0-9]+' | head -1) &&
    [ -n "$place" ]; then
    read -r x y <<<"$(sed -E 's/.* \+(-?[0-9]+)\+(-?[0-9]+)$/\1 \2/' <<<"$place")"
    import -window root "$shot"
    [ "$(convert "$shot" -format "%[hex:p{$((x + 5)),$((y + 5))}]" info:)" = 00FFFF ] && seen=$((SECONDS - started))
  fi
  sleep 0.5
done
[ -n "$seen" ] || { tail -20 "$log"; fail "no login window from tools/start.sh"; }
echo "tools/start.sh: login window after $seen s"
xdotool mousemove $((x + 5)) $((y + 5)) click 1 sleep 0.2 key Escape
wait $start || { code=$?; tail -20 "$log"; fail "tools/start.sh ended with status $code after Escape"; }

started=$SECONDS
said=$(inside "$checkout/tools/package.sh" 2>&1) || { code=$?; tail -20 <<<"$said"; fail "tools/package.sh ended with status $code"; }
deb=$(tail -1 <<<"$said")
[[ $deb == *.deb ]] && [ -f "$tree$deb" ] || { tail -20 <<<"$said"; fail "tools/package.sh printed no package last"; }
echo "tools/package.sh: $deb after $((SECONDS - started)) s"
