#!/bin/sh
# Runs a command on the X server of the environment (Xvfb under CTest) with the openbox window
# manager running, which frames every window with a title bar and borders as a desktop does.
# Usage: with-openbox.sh command [argument...]
set -u
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
"$@"
status=$?
kill "$wm" 2>/dev/null
wait "$wm" 2>/dev/null
exit "$status"
