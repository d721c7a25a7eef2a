#!/usr/bin/env bash
# Makes the offline demo clip of the bundled station list: 20 s of a moving test
# picture with a caption and a soft tone, small enough to keep in the repository.
set -euo pipefail
out="$(cd "$(dirname "$0")/../.." && pwd)/resources/demo/demo.mp4"
mkdir -p "$(dirname "$out")"
ffmpeg -v error -y \
  -f lavfi -i "testsrc2=size=480x270:rate=25:duration=20" \
  -f lavfi -i "sine=frequency=330:sample_rate=44100:duration=20" \
  -vf "drawbox=x=0:y=200:w=iw:h=50:color=black@0.6:t=fill,drawtext=fontfile=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf:text='ZadiZAPlayer demo':x=(w-tw)/2:y=212:fontsize=24:fontcolor=white" \
  -af "volume=0.2" \
  -c:v libx264 -preset veryslow -crf 32 -pix_fmt yuv420p -g 50 \
  -c:a aac -b:a 48k -movflags +faststart "$out"
ls -l "$out"
