#!/usr/bin/env bash
# Takes the README's screenshots from the real program on a private Xvfb screen:
#   make_screenshots.sh BUILD_DIR [OUT_DIR]      (OUT_DIR defaults to docs/screenshots)
# It builds nothing: BUILD_DIR must hold a built ZadiZAPlayer, Skins/ and demo.mp4.
# The program runs from a temporary program directory of its own whose station
# list opens with the demo clip. Writes window.png (before the first play),
# playing.png and fullscreen.png (full screen with the control panel shown).
# Needs Xvfb, xdotool, x11-utils and ImageMagick.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
SCREEN=1024x576

if [ -z "${ZZ_SHOTS_DISPLAY_READY:-}" ]; then
  [ $# -ge 1 ] || { echo "usage: $0 BUILD_DIR [OUT_DIR]" >&2; exit 2; }
  build="$(cd "$1" && pwd)"
  for f in ZadiZAPlayer Skins/BlackBox/Options.dat demo.mp4; do
    [ -e "$build/$f" ] || { echo "$build/$f is missing: build the project first" >&2; exit 1; }
  done
  out="${2:-$root/docs/screenshots}"
  mkdir -p "$out"
  out="$(cd "$out" && pwd)"
  ZZ_SHOTS_DISPLAY_READY=1 exec "$root/tests/tools/with_xvfb.sh" "$SCREEN" "$0" "$build" "$out"
fi

build="$1"
out="$2"
W=${SCREEN%x*}
H=${SCREEN#*x}
libvlc=$(readlink -f "$build/libvlc.so.5" || true)
[ -e "$libvlc" ] || libvlc=/usr/lib/x86_64-linux-gnu/libvlc.so.5

dir=$(mktemp -d /tmp/zz-shots-XXXXXX)
pid=""
cleanup() {
  if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi
  rm -rf "$dir"
}
trap cleanup EXIT

cp "$build/ZadiZAPlayer" "$build/libzz_webview.so" "$build/demo.mp4" "$dir/"
cp -r "$build/Skins" "$dir/"
ln -s "$libvlc" "$dir/libvlc.so.5"
printf '%s\nZadiZAPlayer demo\nOffline demo clip\n' "$dir/demo.mp4" >"$dir/tvstations.txt"

fail() {
  echo "make_screenshots: $*" >&2
  tail -n 5 "$dir/log" >&2
  exit 1
}
# wait_until SECONDS command...: polls every 0.2 s.
wait_until() {
  local tries=$(($1 * 5))
  shift
  for ((i = 0; i < tries; i++)); do
    "$@" && return 0
    kill -0 "$pid" 2>/dev/null || fail "the program ended (another copy running, or it crashed)"
    sleep 0.2
  done
  return 1
}
viewable() { xwininfo -id "$win" 2>/dev/null | grep -q IsViewable; }
# Colours in a screen rectangle WxH+X+Y: a moving picture has many, a black panel few.
colours() { import -window root -crop "$1" png:- | identify -format %k -; }
picture_shows() { [ "$(colours "$video")" -gt 200 ]; }
shoot() { import -window root ${2:+-crop "$2"} +repage -strip "$out/$1"; echo "wrote $out/$1"; }
press() {
  xdotool windowfocus --sync "$win" 2>/dev/null || true
  xdotool key --window "$win" "$1"
}

# Czech dates as the program's users see them (Qt carries its own locale data).
LANG=cs_CZ.UTF-8 LC_ALL= HOME="$dir" XDG_RUNTIME_DIR="$dir" "$dir/ZadiZAPlayer" >"$dir/log" 2>&1 &
pid=$!
xdotool mousemove 1 1
find_window() { win=$(xdotool search --name '^ZadiZAPlayer - ' 2>/dev/null | head -1); [ -n "$win" ]; }
wait_until 20 find_window || fail "no main window"
wait_until 20 viewable || fail "the main window was never shown (an error box?)"
sleep 3  # the skin, the clock and the advertisement page settle
eval "$(xwininfo -id "$win" | awk -F: '/Absolute upper-left X/ {print "x=" $2} /Absolute upper-left Y/ {print "y=" $2}
  /Width/ {print "w=" $2} /Height/ {print "h=" $2}' | tr -d ' ')"
window="${w}x${h}+${x}+${y}"
video="400x240+$((x + 30))+$((y + 40))"
shoot window.png "$window"

press space
wait_until 20 picture_shows || fail "no picture after Space"
sleep 2
shoot playing.png "$window"

press Return
fullscreen() { [ "$(xwininfo -id "$win" | awk -F: '/Width/ {print $2}' | tr -d ' ')" = "$W" ]; }
wait_until 10 fullscreen || fail "no full screen after Enter"
sleep 1
# The control panel comes back when the mouse touches the strip at the bottom edge.
xdotool mousemove $((W / 2)) $((H - 4))
sleep 0.3
xdotool mousemove $((W / 2 + 20)) $((H - 2))
sleep 1.5
shoot fullscreen.png
