#!/usr/bin/env bash
# Runs a command on a private Xvfb display: with_xvfb.sh WIDTHxHEIGHT command...
# Xvfb picks a free display itself (-displayfd), so parallel runs do not collide.
set -euo pipefail
size="$1"
shift
fifo=$(mktemp -u)
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null || true; rm -f "$fifo"' EXIT
read -r -t 10 display <"$fifo"
DISPLAY=":${display}" QT_QPA_PLATFORM=xcb "$@"
