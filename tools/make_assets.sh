#!/bin/sh
# Draws the mascot frames and the icons from their SVG sources. The results are
# committed, so a build never needs these tools (python3, librsvg2-bin).
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
mascot=$top/resources/mascot
python3 "$top/tools/draw_mascot.py" "$mascot"
for frame in 0 1 2 3; do
    rsvg-convert -w 128 -h 128 "$mascot/PngImage$frame.svg" -o "$mascot/PngImage$frame.png"
done
