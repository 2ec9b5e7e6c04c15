#!/usr/bin/env bash
# Draws the program's icon (a power symbol on a clock face) at 256 pixels and
# packs it with 48, 32 and 16 pixel copies into icon.ico. Needs ImageMagick.
# Run from anywhere; the result is committed, so a build never needs this.
set -euo pipefail
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

convert -size 256x256 xc:none \
  -fill '#1f6fb2' -stroke '#0d3d66' -strokewidth 10 -draw 'circle 128,128 128,10' \
  -fill none -stroke white -strokewidth 22 -draw 'arc 62,62 194,194 -50,230' \
  -stroke white -strokewidth 22 -draw 'line 128,44 128,124' \
  -fill '#ffd24a' -stroke none -draw 'circle 128,128 128,146' \
  "$work/256.png"
for size in 48 32 16; do
  convert "$work/256.png" -resize ${size}x${size} "$work/$size.png"
done
convert "$work/16.png" "$work/32.png" "$work/48.png" "$work/256.png" icon.ico
echo "wrote $(pwd)/icon.ico"
