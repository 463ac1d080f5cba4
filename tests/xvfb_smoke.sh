#!/bin/sh
# Starts a program on a private Xvfb display with the xcb platform, finds its
# top-level window, checks its title and the client size. Given the xwindow
# tool, it then closes the window by its close box and expects the program
# to end with status 0, having printed nothing. Arguments after the xwindow
# tool (which may be given as "") go to the program.
# usage: xvfb_smoke.sh <program> "<window title>" <client width> <client height> [xwindow [args...]]
set -u
prog=$1 title=$2 want_w=$3 want_h=$4 xwindow=${5:-}
shift $(($# < 5 ? $# : 5))
. "$(dirname "$0")/xvfb_lib.sh"

start_xvfb
start_program "$prog" "$@"
find_window "$title"

geom=$(xwininfo -id "$win")
w=$(echo "$geom" | sed -n 's/^ *Width: *//p')
h=$(echo "$geom" | sed -n 's/^ *Height: *//p')
echo "window $win '$title' client ${w}x${h}"
[ "$w" = "$want_w" ] && [ "$h" = "$want_h" ] || { echo "client size ${w}x${h}, want ${want_w}x${want_h}"; exit 1; }
if [ -n "$xwindow" ]; then
    "$xwindow" close "$win" || { echo "could not send the close request"; exit 1; }
    expect_clean_exit "the close box"
fi
echo "smoke test passed"
