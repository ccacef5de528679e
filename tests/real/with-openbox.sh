#!/bin/sh
# Runs a command on the X server of the environment (Xvfb under CTest) with the openbox window
# manager running, which frames every window with a title bar and borders as a desktop does.
# Usage: with-openbox.sh command [argument...]
set -u
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
# A window shown before openbox has taken the screen may never be framed or exposed: on a fresh
# machine its first start is slow. Wait (up to 20 s) until it announces itself on the root window.
tries=0
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; do
  tries=$((tries + 1))
  if [ "$tries" -ge 400 ]; then
    echo "openbox did not start" >&2
    break
  fi
  sleep 0.05
done
"$@"
status=$?
kill "$wm" 2>/dev/null
wait "$wm" 2>/dev/null
exit "$status"
