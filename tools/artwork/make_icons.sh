#!/usr/bin/env bash
# Draws the program's icon from the window's artwork into packaging/icons/ in the
# hicolor theme's usual sizes: the guitar picture of the control strip on a rounded
# square, with the play button's blue triangle over it. Needs ImageMagick.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
out="$root/packaging/icons"
im=/usr/bin/convert
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The guitar's body and sound hole, cut square from the strip and enlarged.
$im "$root/resources/layout/background.png" -crop 76x76+90+0 +repage -resize 256x256 \
  -modulate 140,110 "$work/photo.png"
$im -size 256x256 xc:none -fill white -draw 'roundrectangle 8,8 247,247 40,40' "$work/mask.png"
$im "$work/photo.png" "$work/mask.png" -alpha off -compose CopyOpacity -composite \
  -fill none -stroke '#3d9bff' -strokewidth 8 -draw 'roundrectangle 12,12 243,243 36,36' \
  -stroke none -fill '#3d9bff' -draw 'polygon 96,70 96,186 196,128' \
  "$work/icon.png"

for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "$out/${size}x${size}/apps"
  $im "$work/icon.png" -resize "${size}x${size}" -strip -define png:color-type=6 \
    "$out/${size}x${size}/apps/zadizaplayer.png"
done
ls -R "$out"
