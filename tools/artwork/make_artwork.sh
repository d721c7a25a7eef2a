#!/usr/bin/env bash
# Draws the window's artwork into resources/layout/: the control strip's dark,
# blue-toned guitar picture (545x76, 24 bits), the channel logo (112x50 with
# alpha) and the two 21x21 button glyphs. Needs ImageMagick.
set -euo pipefail
out="$(cd "$(dirname "$0")/../.." && pwd)/resources/layout"
mkdir -p "$out"
im=/usr/bin/convert

# A guitar lying along the strip: body, sound hole, neck with frets and strings,
# softened and tinted so it reads as a dim photograph behind the controls.
$im -size 545x76 gradient:'#0b1424-#03060c' \
  -fill '#2a3f63' -draw 'ellipse 120,40 70,30 0,360' \
  -fill '#22365a' -draw 'ellipse 195,38 48,24 0,360' \
  -fill '#050912' -draw 'circle 165,38 165,52' \
  -fill '#1a2740' -draw 'rectangle 230,31 520,45' \
  -fill '#3d5680' -draw 'line 262,31 262,45 line 300,31 300,45 line 336,31 336,45 line 370,31 370,45 line 402,31 402,45 line 432,31 432,45 line 460,31 460,45 line 486,31 486,45' \
  -stroke '#8fa8d0' -strokewidth 0.6 -draw 'line 90,33 530,33 line 90,36 530,36 line 90,39 530,39 line 90,42 530,42' \
  -stroke none -fill '#10192c' -draw 'roundrectangle 505,26 545,50 6,6' \
  -attenuate 0.35 +noise Gaussian -blur 0x1.2 -modulate 85,80 \
  -depth 8 -type TrueColor -define png:color-type=2 "$out/background.png"

# The channel logo: white letters on transparent ground with a blue underline.
$im -size 112x50 xc:none \
  -fill '#2f86ff' -draw 'roundrectangle 4,38 108,42 2,2' \
  -font DejaVu-Sans-Bold -pointsize 24 -fill white -gravity north -annotate +0+4 'VUSK' \
  -font DejaVu-Sans -pointsize 9 -fill '#9fc4ff' -gravity south -annotate +0+0 'T E L E V I Z E' \
  -depth 8 -define png:color-type=6 "$out/logo.png"

# Full-screen glyph: a blue square frame.
$im -size 21x21 xc:none -fill none -stroke '#3d9bff' -strokewidth 2 -draw 'rectangle 3,3 17,17' \
  -define png:color-type=6 "$out/fullscreen.png"

# Mute glyph: a blue loudspeaker.
$im -size 21x21 xc:none -fill '#3d9bff' -stroke none \
  -draw 'polygon 3,8 7,8 12,3 12,18 7,13 3,13' \
  -fill none -stroke '#3d9bff' -strokewidth 1.5 -draw 'arc 10,6 18,15 -60,60' \
  -define png:color-type=6 "$out/mute.png"
