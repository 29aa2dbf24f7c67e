#!/bin/sh
# Draws the mascot frames and the icons from their SVG sources. The results are
# committed, so a build never needs these tools (python3, librsvg2-bin,
# imagemagick, icoutils).
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
mascot=$top/resources/mascot
python3 "$top/tools/draw_mascot.py" "$mascot"
# Each frame at 128 px, and at 256 px for screens scaled by 2 (Qt's @2x names).
for frame in 0 1 2 3; do
    rsvg-convert -w 128 -h 128 "$mascot/PngImage$frame.svg" -o "$mascot/PngImage$frame.png"
    rsvg-convert -w 256 -h 256 "$mascot/PngImage$frame.svg" -o "$mascot/PngImage$frame@2x.png"
done

# The icon is the first frame, the figure running: every size from its SVG.
icons=$top/resources/icons
cp "$mascot/PngImage0.svg" "$icons/hexloom.svg"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for size in 16 32 48 64 72 80 96 128 256; do
    rsvg-convert -w "$size" -h "$size" "$icons/hexloom.svg" -o "$work/$size.png"
done
for size in 16 32 48 64 128 256; do
    cp "$work/$size.png" "$icons/hicolor-$size.png"
done
# 16 and 256 colours for old displays. Their transparency is a 1-bit mask, which
# icotool builds from the alpha channel: cut at half opacity.
for size in 16 32 48; do
    convert "$work/$size.png" -channel A -threshold 50% +channel -colors 16 "PNG8:$work/$size-4.png"
    convert "$work/$size.png" -channel A -threshold 50% +channel -colors 256 "PNG8:$work/$size-8.png"
done
icotool -c -o "$top/resources/windows/hexloom.ico" \
    -b 4 "$work/16-4.png" -b 4 "$work/32-4.png" -b 4 "$work/48-4.png" \
    -b 8 "$work/16-8.png" -b 8 "$work/32-8.png" -b 8 "$work/48-8.png" \
    -b 32 "$work/16.png" -b 32 "$work/32.png" -b 32 "$work/48.png" -b 32 "$work/64.png" \
    -b 32 "$work/72.png" -b 32 "$work/80.png" -b 32 "$work/96.png" -b 32 "$work/128.png" \
    -r "$work/256.png"
