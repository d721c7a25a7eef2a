#!/bin/sh
# Runs a test program on a private Xvfb display with the xcb platform.
# Usage: run_under_xvfb.sh program [arguments...]
set -u
fifo=$(mktemp -u) && mkfifo "$fifo" || exit 1
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
xvfb=$!
read -r display <"$fifo"
rm -f "$fifo"
[ -n "$display" ] || { kill "$xvfb"; exit 1; }
DISPLAY=":$display" QT_QPA_PLATFORM=xcb "$@"
status=$?
kill "$xvfb"
wait "$xvfb" 2>/dev/null
exit $status
