#!/bin/sh
# Starts the program in an empty folder on the X server of the environment (Xvfb under CTest),
# presses the start screen's focused button ("Beam Analysis") and checks that the main window
# stands at (1, 1), 2 pixels smaller than the 1280 x 1024 screen, and that its showing wrote the
# 18 section files; then opens an analysed beam file through File > Open and checks that the
# program, with the services it installs itself, shows it under the file's name.
# Usage: run-program.sh <kx-flexor> <analysed .kxf>
set -u
program=$1
example=$2
dir=$(mktemp -d)
pid=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    rm -rf "$dir"
}
trap cleanup EXIT
cd "$dir" || exit 1

QT_QPA_PLATFORM=xcb "$program" >"$dir.log" 2>&1 &
pid=$!

fail() {
    echo "run-program: $*" >&2
    cat "$dir.log" >&2
    rm -f "$dir.log"
    exit 1
}

start=$(timeout 30 xdotool search --sync --onlyvisible --name '^KX-Flexor$' | head -n 1)
[ -n "$start" ] || fail "the start screen did not appear"
xdotool windowfocus --sync "$start" || fail "the start screen did not take the focus"
sleep 0.5
xdotool key space

found=
for attempt in $(seq 1 60); do
    for id in $(xdotool search --onlyvisible --name '^KX-Flexor$'); do
        eval "$(xdotool getwindowgeometry --shell "$id")"
        if [ "$X" = 1 ] && [ "$Y" = 1 ] && [ "$WIDTH" = 1278 ] && [ "$HEIGHT" = 1022 ]; then found=$id; fi
    done
    [ -n "$found" ] && break
    sleep 0.5
done
[ -n "$found" ] || fail "no visible KX-Flexor window of 1278 x 1022 at (1, 1)"

sleep 1
files=$(ls "$dir"/*.sct 2>/dev/null | wc -l)
[ "$files" -eq 18 ] || fail "$files section files written, not 18"
kill -0 "$pid" 2>/dev/null || fail "the program ended"

# File > Open: the menu's second item, then the file's path typed into the dialog's name box.
job="$dir/job.kxf"
cp "$example" "$job" || fail "no example file $example"
xdotool windowfocus --sync "$found" || fail "the main window did not take the focus"
xdotool mousemove --window "$found" 15 10 click 1
sleep 0.5
xdotool key Down Down Return
timeout 30 xdotool search --sync --onlyvisible --name '^Open$' >/dev/null || fail "no Open dialog"
sleep 0.5
xdotool type --delay 10 "$job"
xdotool key Return
opened=
for attempt in $(seq 1 60); do
    kill -0 "$pid" 2>/dev/null || fail "the program ended opening $job"
    opened=$(xdotool search --onlyvisible --name "^$job\$" 2>/dev/null | head -n 1)
    [ -n "$opened" ] && break
    sleep 0.5
done
[ -n "$opened" ] || fail "the main window does not show $job"
sleep 1
kill -0 "$pid" 2>/dev/null || fail "the program ended after opening $job"
rm -f "$dir.log"
echo "run-program: main window 1278 x 1022 at (1, 1), 18 section files, $job opened"
