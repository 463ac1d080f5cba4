#!/bin/sh
# Starts a program on a private Xvfb display with the xcb platform, finds its
# top-level window by title and checks the client size.
# usage: xvfb_smoke.sh <program> "<window title>" <client width> <client height>
set -u
prog=$1 title=$2 want_w=$3 want_h=$4

for tool in Xvfb xdotool xwininfo; do
    command -v "$tool" >/dev/null 2>&1 || { echo "missing $tool"; exit 1; }
done

# First free display from :90 upwards.
d=90
while [ -e "/tmp/.X11-unix/X$d" ] || [ -e "/tmp/.X$d-lock" ]; do d=$((d + 1)); done
Xvfb ":$d" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
app=
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null
    kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
}
trap cleanup EXIT INT TERM

export DISPLAY=":$d"
i=0
until xwininfo -root >/dev/null 2>&1; do
    i=$((i + 1)); [ $i -gt 100 ] && { echo "Xvfb did not start"; exit 1; }
    sleep 0.1
done

QT_QPA_PLATFORM=xcb "$prog" &
app=$!

# xdotool takes a regular expression: match the title literally.
pattern=$(printf '%s' "$title" | sed 's/[][\\.*^$()+?{}|]/\\&/g')
win=
i=0
while [ -z "$win" ]; do
    i=$((i + 1)); [ $i -gt 150 ] && { echo "no window titled '$title' appeared"; exit 1; }
    kill -0 "$app" 2>/dev/null || { echo "program exited early"; exit 1; }
    sleep 0.1
    win=$(xdotool search --onlyvisible --name "^$pattern\$" 2>/dev/null | head -n 1)
done

name=$(xdotool getwindowname "$win")
[ "$name" = "$title" ] || { echo "title is '$name', want '$title'"; exit 1; }

geom=$(xwininfo -id "$win")
w=$(echo "$geom" | sed -n 's/^ *Width: *//p')
h=$(echo "$geom" | sed -n 's/^ *Height: *//p')
echo "window $win '$name' client ${w}x${h}"
[ "$w" = "$want_w" ] && [ "$h" = "$want_h" ] || { echo "client size ${w}x${h}, want ${want_w}x${want_h}"; exit 1; }
echo "smoke test passed"
