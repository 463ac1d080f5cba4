#!/bin/sh
# Starts a program on a private Xvfb display with the xcb platform, finds its
# top-level window, checks its title and its client area: the declared size
# at the given scale. With the xwindow tool (XWINDOW), it then closes the
# window by its close box and expects the program to end with status 0,
# having printed nothing. Arguments after the scale go to the program.
# usage: xvfb_smoke.sh <program> kalumet|brivon <scale> [args...]
set -u
prog=$1 name=$2 factor=$3
shift 3
. "$(dirname "$0")/xvfb_lib.sh"

start_xvfb
start_program "$prog" "$@"
find_window "$name"

# Qt rounds the scaled size to whole pixels, halves away from zero.
set -- $(fact client)
want_w=$(awk "BEGIN { printf \"%d\", $1 * $factor + 0.5 }")
want_h=$(awk "BEGIN { printf \"%d\", $2 * $factor + 0.5 }")
geom=$(xwininfo -id "$win")
w=$(echo "$geom" | sed -n 's/^ *Width: *//p')
h=$(echo "$geom" | sed -n 's/^ *Height: *//p')
echo "window $win '$title' client ${w}x${h}"
[ "$w" = "$want_w" ] && [ "$h" = "$want_h" ] || { echo "client size ${w}x${h}, want ${want_w}x${want_h}"; exit 1; }
if [ -n "${XWINDOW:-}" ]; then
    "$XWINDOW" close "$win" || { echo "could not send the close request"; exit 1; }
    expect_clean_exit "the close box"
fi
echo "smoke test passed"
