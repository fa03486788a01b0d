#!/usr/bin/env bash
# Generates the program's bundled assets under resource/:
#   hotel.jpg bank.jpg food.jpg market.jpg  spot-type pictures (120x120 JPEG)
#   a.txt b.txt c.txt                        QR codes (PNG bytes; the program loads them by these names)
#   main.ogg                                 the looping background music (Ogg Vorbis)
#   navigation-system.png                    the menu icon (128x128 PNG; installed, not read by the program)
#
# Needs only Debian packages: imagemagick, qrencode, sox and libsox-fmt-all.
# The output is deterministic: running the script again rewrites the same bytes.
# Usage: tools/make-assets.sh   (from any directory)
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out="$root/resource"
mkdir -p "$out"

for tool in convert qrencode sox; do
    command -v "$tool" >/dev/null || { echo "make-assets: '$tool' is missing" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# ---------------------------------------------------------------------------
# Spot-type pictures.
# Each picture is drawn on a 480x480 canvas and reduced to 120x120, which gives
# smooth edges. The program maps the whole square onto a circle of radius 30,
# so the motif stays inside the inscribed circle (radius 240 on the canvas),
# and every type has its own background colour so it reads at a glance.
# No text is drawn, so no font is needed.
# ---------------------------------------------------------------------------

# Writes a JPEG from a 480x480 drawing. $1 output, $2 background, rest: draw options.
picture() {
    local file=$1 background=$2
    shift 2
    convert -size 480x480 "xc:$background" "$@" \
        -filter Lanczos -resize 120x120 \
        -strip -sampling-factor 4:4:4 -quality 90 "$file"
}

# Hotel: a white bed with a pillow and a blue blanket under a golden moon, on navy.
picture "$out/hotel.jpg" '#27408b' \
    -fill '#f4c542' -draw 'circle 330,140 330,92' \
    -fill '#27408b' -draw 'circle 352,122 352,82' \
    -fill white \
    -draw 'roundrectangle 96,150 134,350 10,10' \
    -draw 'rectangle 96,282 384,318' \
    -draw 'roundrectangle 354,300 384,350 6,6' \
    -draw 'roundrectangle 146,222 206,276 14,14' \
    -fill '#8fb3ff' -draw 'roundrectangle 214,212 384,282 16,16' \
    -fill white -draw 'rectangle 214,236 384,244'

# Bank: a golden building with a pediment, four columns and steps, on crimson.
picture "$out/bank.jpg" '#a8232f' \
    -fill '#f6c945' \
    -draw 'polygon 240,96 104,176 376,176' \
    -draw 'rectangle 116,182 364,206' \
    -draw 'rectangle 136,214 166,318' \
    -draw 'rectangle 196,214 226,318' \
    -draw 'rectangle 254,214 284,318' \
    -draw 'rectangle 314,214 344,318' \
    -draw 'rectangle 118,322 362,342' \
    -draw 'rectangle 98,348 382,370' \
    -fill '#a8232f' -draw 'circle 240,150 240,130'

# Food: a white bowl of rice with chopsticks and rising steam, on orange.
picture "$out/food.jpg" '#e8731a' \
    -fill '#fff6e0' -draw 'ellipse 240,252 118,44 180,360' \
    -fill white -draw 'path "M 100,250 L 380,250 A 140,120 0 0 1 100,250 Z"' \
    -draw 'rectangle 196,356 284,378' \
    -fill '#b5501a' -draw 'rectangle 100,246 380,258' \
    -stroke '#5a2d0c' -strokewidth 14 -draw 'line 230,232 372,110' -draw 'line 256,238 392,132' \
    -stroke white -strokewidth 10 -fill none \
    -draw 'path "M 150,190 C 130,160 170,140 150,110"' \
    -draw 'path "M 196,180 C 176,150 216,130 196,100"'

# Supermarket: a white shopping cart with a grid basket and two wheels, on purple.
picture "$out/market.jpg" '#6c3483' \
    -stroke white -strokewidth 22 -fill none \
    -draw 'path "M 86,140 L 124,140 L 170,300 L 352,300"' \
    -stroke none -fill white \
    -draw 'polygon 130,164 388,164 358,272 158,272' \
    -fill '#6c3483' \
    -draw 'rectangle 150,186 220,214' -draw 'rectangle 236,186 300,214' -draw 'rectangle 316,186 370,214' \
    -draw 'rectangle 160,228 220,252' -draw 'rectangle 236,228 300,252' -draw 'rectangle 316,228 358,252' \
    -fill white -draw 'circle 190,350 190,324' -draw 'circle 336,350 336,324' \
    -fill '#6c3483' -draw 'circle 190,350 190,340' -draw 'circle 336,350 336,340'

# ---------------------------------------------------------------------------
# Menu icon: a patch of map in a rounded square with the side panel's blue
# rim: a highway bar and an ordinary road as the program draws them (yellow,
# green), three spots in the colours of the spot pictures, and a red pin on
# the orange one. Drawn at 512x512 and reduced to 128x128; the corners are
# transparent, and the date chunks are left out so the bytes repeat.
# ---------------------------------------------------------------------------

convert -size 512x512 xc:none \
    -fill '#e9f3e6' -draw 'roundrectangle 20,20 491,491 96,96' \
    -stroke '#c99a1e' -strokewidth 58 -draw 'line 20,402 491,166' \
    -stroke '#f4c542' -strokewidth 42 -draw 'line 20,402 491,166' \
    -stroke '#3f9d4a' -strokewidth 30 -draw 'line 146,20 274,491' \
    -fill none -stroke '#4678d2' -strokewidth 24 -draw 'roundrectangle 20,20 491,491 96,96' \
    -stroke white -strokewidth 12 \
    -fill '#a8232f' -draw 'circle 100,362 100,322' \
    -fill '#27408b' -draw 'circle 180,146 180,108' \
    -fill '#e8731a' -draw 'circle 350,392 350,354' \
    -stroke none -fill '#d93025' \
    -draw 'circle 350,178 350,90' \
    -draw 'polygon 272,224 428,224 350,352' \
    -fill white -draw 'circle 350,178 350,140' \
    -filter Lanczos -resize 128x128 -depth 8 \
    -strip -define png:exclude-chunks=date,time "$out/navigation-system.png"

# ---------------------------------------------------------------------------
# QR codes.
# The QR page draws a.txt at scale 0.8 from (-100, 300), c.txt at scale 0.3
# from (300, 300) and b.txt at scale 0.33 from (700, 300), in map units; the
# visible page spans x -190..1090. Each code is made about 320 to 330 units
# wide, so the three stand side by side with gaps of about 70 units and end
# above the captions at y 700 (left) and y 850 (right):
#   a.txt ~410 px -> x -100..228;  c.txt ~1100 px -> x 300..630;  b.txt ~1000 px -> x 700..1030.
# The module size is the largest whole number of pixels that keeps a code within
# its width, so every module stays a crisp square.
# ---------------------------------------------------------------------------

# Writes a QR code PNG. $1 output, $2 widest size in pixels, $3 content.
qr() {
    local file=$1 widest=$2 content=$3 modules module
    qrencode -t PNG -l M -m 4 -s 1 -o "$work/probe.png" "$content"
    modules=$(convert "$work/probe.png" -format '%w' info:)
    module=$(( widest / modules ))
    qrencode -t PNG -l M -m 4 -s "$module" -o "$file" "$content"
}

qr "$out/a.txt" 410  'WECHAT-FRIEND 导航系统演示：扫码添加好友'
qr "$out/c.txt" 1100 'VIP-PAY 导航系统演示：VIP账号支付（演示用，不会扣款）'
qr "$out/b.txt" 1000 'VIP-PAY 导航系统演示：账号恢复支付（演示用，不会扣款）'

# ---------------------------------------------------------------------------
# Background music: a 12-second loop of four soft chords (Cmaj7, Am7, Fmaj7,
# G6) at 80 beats a minute: a sine pad that swells and fades on each chord,
# a quiet bell-like arpeggio in eighth notes, and some reverb. The loop is
# rendered twice in a row and the reverb is applied to both; the second copy,
# which already carries the reverb tail of the first one's last chord, is kept,
# so the end flows into the beginning when the music repeats.
# ---------------------------------------------------------------------------

rate=44100
chord_seconds=3
eighth=0.375

# Chord tones: bass, then the pad voicing (Hz).
chords=(
    "130.81 329.63 392.00 493.88 587.33"
    "110.00 329.63 392.00 523.25 659.26"
    " 87.31 329.63 440.00 523.25 659.26"
    " 98.00 293.66 392.00 493.88 587.33"
)
# Arpeggio, eight eighth notes per chord (Hz).
arpeggios=(
    "523.25 783.99 659.26 783.99 987.77 783.99 659.26 783.99"
    "440.00 659.26 523.25 659.26 783.99 659.26 523.25 659.26"
    "349.23 523.25 440.00 523.25 659.26 523.25 440.00 523.25"
    "392.00 587.33 493.88 587.33 783.99 587.33 493.88 587.33"
)

pads=()
bells=()
for i in "${!chords[@]}"; do
    read -r -a tones <<<"${chords[$i]}"
    synth_args=()
    for tone in "${tones[@]}"; do synth_args+=(sine "$tone"); done
    # Five voices mixed to one channel, the bass a little louder; each chord
    # swells in and fades out so that consecutive chords breathe into each other.
    sox -R -r "$rate" -c "${#tones[@]}" -n "$work/pad$i.wav" \
        synth "$chord_seconds" "${synth_args[@]}" \
        remix 1v0.18,2v0.11,3v0.11,4v0.09,5v0.07 \
        fade q 0.5 "$chord_seconds" 1.1
    pads+=("$work/pad$i.wav")

    read -r -a notes <<<"${arpeggios[$i]}"
    for j in "${!notes[@]}"; do
        f=${notes[$j]}
        # A sine with a faint octave above, struck and decaying over the eighth.
        sox -R -r "$rate" -c 2 -n "$work/bell$i-$j.wav" \
            synth "$eighth" sine "$f" sine "$(awk -v f="$f" 'BEGIN { printf "%.2f", 2 * f }')" \
            remix 1v0.1,2v0.025 \
            fade l 0.008 "$eighth" 0.36
        bells+=("$work/bell$i-$j.wav")
    done
done

sox -R "${pads[@]}" "$work/pads.wav"
sox -R "${bells[@]}" "$work/bells.wav"
sox -R -m -v 1 "$work/pads.wav" -v 1 "$work/bells.wav" "$work/loop.wav"
sox -R "$work/loop.wav" "$work/loop.wav" "$work/twice.wav"
loop_seconds=$(( ${#chords[@]} * chord_seconds ))
sox -R "$work/twice.wav" "$work/wet.wav" lowpass 5000 reverb 45 50 80
sox -R "$work/wet.wav" -C 4 "$out/main.ogg" trim "$loop_seconds" "$loop_seconds" gain -n -4

echo "make-assets: wrote resource/ hotel.jpg bank.jpg food.jpg market.jpg a.txt b.txt c.txt main.ogg navigation-system.png"
