#!/usr/bin/env bash
# Measures how quiet the program is at rest and how smoothly it follows a
# drag. For each binary given, each run starts it on a private Xvfb in a
# temporary folder holding copies of the checkout's Data/, resource/ and
# fonts/, and prints:
#   - the share of one core it takes on the login screen with the caret
#     blinking in the focused name box, over SECONDS of rest;
#   - the same on the user screen's map, logged in as 游客;
#   - the frames it shows a second while the map is dragged.
# The core share is the program's own utime + stime from /proc/PID/stat (a
# loaded machine does not inflate it); frames are counted by a preloaded
# wrapper of glXSwapBuffers (tools/measure/count-swaps.c).
#
# Usage: tools/measure-quiet.sh [--runs N] [--seconds S] BINARY...
# Needs Xvfb, xdotool, xwininfo, ImageMagick's import and a C compiler.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=3
seconds=20
binaries=()
while [ $# -gt 0 ]; do
  case "$1" in
    --runs) runs=$2; shift 2 ;;
    --seconds) seconds=$2; shift 2 ;;
    -h|--help) sed -n '2,17p' "$0"; exit 0 ;;
    *) binaries+=("$(realpath "$1")"); shift ;;
  esac
done
if [ ${#binaries[@]} -eq 0 ]; then
  echo "usage: $0 [--runs N] [--seconds S] BINARY..." >&2
  exit 2
fi
for tool in Xvfb xdotool xwininfo import cc; do
  command -v "$tool" >/dev/null || { echo "$0: $tool is missing" >&2; exit 2; }
done
for part in Data resource fonts/MF-FangHei-Noncommercial-Regular.ttf; do
  [ -e "$root/$part" ] || { echo "$0: $root/$part is missing (run tools/setup.sh)" >&2; exit 2; }
done

work=$(mktemp -d)
xvfb=""
program=""
stop() {
  local pid
  for pid in $program $xvfb; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  program=""
  xvfb=""
}
trap 'stop; rm -rf "$work"' EXIT
cc -shared -fPIC -O2 -o "$work/count-swaps.so" "$root/tools/measure/count-swaps.c" -ldl
ticksPerSecond=$(getconf CLK_TCK)

cpuTicks() {  # utime + stime of a process, in clock ticks
  local fields
  fields=$(sed 's/.*) //' "/proc/$1/stat")
  set -- $fields
  echo $(( ${12} + ${13} ))
}
swaps() { if [ -s "$work/run/swaps" ]; then tr -d " \n" < "$work/run/swaps"; else echo 0; fi; }
now() { date +%s.%N; }
percent() { awk -v t="$1" -v hz="$ticksPerSecond" -v s="$2" 'BEGIN { printf "%.1f", 100 * t / hz / s }'; }
rate() { awk -v n="$1" -v s="$2" 'BEGIN { printf "%.0f", n / s }'; }

# The program's share of a core and its frames a second over the rest period.
restFigures() {
  local ticks frames
  ticks=$(cpuTicks "$program")
  frames=$(swaps)
  sleep "$seconds"
  ticks=$(( $(cpuTicks "$program") - ticks ))
  frames=$(( $(swaps) - frames ))
  echo "$(percent "$ticks" "$seconds") $(rate "$frames" "$seconds")"
}

# xdotool on the private display, at window pixels.
x() { DISPLAY=$display xdotool "$@"; }
at() { echo $(( left + $1 )) $(( top + $2 )); }

oneRun() {
  local binary=$1
  rm -rf "$work/run"
  mkdir "$work/run"
  cp -r "$root/Data" "$root/resource" "$root/fonts" "$work/run/"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
  xvfb=$!
  for _ in $(seq 400); do [ -s "$work/display" ] && break; sleep 0.05; done
  [ -s "$work/display" ] || { echo "Xvfb did not start" >&2; stop; return 1; }
  display=:$(cat "$work/display")
  for _ in $(seq 100); do DISPLAY=$display xwininfo -root >/dev/null 2>&1 && break; sleep 0.05; done
  (cd "$work/run" && DISPLAY=$display ALSOFT_DRIVERS=null SWAP_COUNT_FILE="$work/run/swaps" \
     LD_PRELOAD="$work/count-swaps.so" exec "$binary" >stdout.txt 2>stderr.txt) &
  program=$!
  local geometry=""
  for _ in $(seq 200); do
    geometry=$(DISPLAY=$display xwininfo -root -tree 2>/dev/null | grep -o '640x480+[0-9]*+[0-9]*' | head -1 || true)
    [ -n "$geometry" ] && [ "$(swaps)" -gt 2 ] && break
    sleep 0.05
  done
  if [ -z "$geometry" ]; then
    echo "no window from $binary on $display:" >&2
    tail -5 "$work/run/stderr.txt" >&2
    stop
    return 1
  fi
  left=$(echo "$geometry" | cut -d+ -f2)
  top=$(echo "$geometry" | cut -d+ -f3)

  # The login screen: the user-name box focused, its caret blinking.
  x mousemove $(at 345 215) click 1
  sleep 2
  local login map
  login=$(restFigures)

  x type --delay 250 '游客'
  x key Tab
  x type '123456'
  x key Return
  sleep 2
  # The user screen's empty map is white where the login screen is cyan.
  if ! DISPLAY=$display import -window root -crop "1x1+$(( left + 180 ))+$(( top + 190 ))" txt:- |
       grep -q '#FFFFFF'; then
    echo "the login as 游客 did not reach the map" >&2
    stop
    return 1
  fi
  map=$(restFigures)

  # Drag the map back and forth over its free left part for about 3 s.
  local moves="" step frames started elapsed
  for step in $(seq 0 299); do
    moves+=" mousemove $(at $(( 100 + (step % 100) * 2 )) $(( 150 + step / 10 ))) sleep 0.01"
  done
  x mousemove $(at 100 150) mousedown 1
  frames=$(swaps)
  started=$(now)
  x $moves
  elapsed=$(awk -v a="$started" -v b="$(now)" 'BEGIN { print b - a }')
  frames=$(( $(swaps) - frames ))
  x mouseup 1
  echo "$login $map $(rate "$frames" "$elapsed")"
  stop
}

# Each run gives: login %, login frames/s, map %, map frames/s, drag frames/s.
for binary in "${binaries[@]}"; do
  echo "$binary"
  : > "$work/results"
  for run in $(seq "$runs"); do
    oneRun "$binary" >> "$work/results"
  done
  awk '
    {
      printf "  run %d: login at rest %s%% of a core (%s frames/s), map at rest %s%% (%s frames/s), drag %s frames/s\n",
        NR, $1, $2, $3, $4, $5
      for (i = 1; i <= 5; i++) {
        if (NR == 1 || $i + 0 < lo[i]) lo[i] = $i + 0
        if (NR == 1 || $i + 0 > hi[i]) hi[i] = $i + 0
      }
    }
    END {
      printf "  %d runs: login at rest %.1f-%.1f%% of a core, map at rest %.1f-%.1f%%, drag %d-%d frames/s\n",
        NR, lo[1], hi[1], lo[3], hi[3], lo[5], hi[5]
    }' "$work/results"
done
