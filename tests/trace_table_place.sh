#!/bin/sh
# Where kalumet's trace table opens (F2) under a window manager (openbox) on
# a private Xvfb server of the given size: whole on the screen, and over
# none of the flowchart, the listing, the pictured window's boxes and
# button, and the run controls. Prints where it opened: right, left,
# below or above the window, or over it.
# usage: trace_table_place.sh <kalumet> <screen WxH> <side> [args...]
#   side: the one it must open on, or "over"
set -u
prog=$1 size=$2 side=$3
shift 3
XVFB_SCREEN=${size}x24
. "$(dirname "$0")/xvfb_lib.sh"

# The window's parts the table leaves alone, in its pixels at scale 1
# (left top width height): the flowchart, the listing, the three boxes and
# the sort button of the pictured window, the run controls.
kept="8 8 249 513
272 8 193 521
632 88 105 19
632 120 105 19
632 152 105 19
536 184 217 25
472 408 313 121"

# frame <window>: its frame on the screen, "left top width height".
frame() {
    info=$(xwininfo -id "$1")
    get() { echo "$info" | sed -n "s/^ *$1: *//p"; }
    set -- "$1" $(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ,) 0 0 0 0
    echo $(($(get "Absolute upper-left X") - $2)) $(($(get "Absolute upper-left Y") - $4)) \
        $(($(get Width) + $2 + $3)) $(($(get Height) + $4 + $5))
}
table_window() {
    for w in $(xdotool search --onlyvisible --pid "$app" 2>/dev/null); do
        [ "$(window_title "$w")" = "Таблица трассировки" ] && { table=$w; return 0; }
    done
    return 1
}

start_xvfb
start_openbox

start_program "$prog" "$@"
find_window kalumet
mapped() { xwininfo -id "$win" | grep -q IsViewable; }
wait_until "the window to be shown" mapped
xdotool windowactivate --sync "$win" key F2
table=
wait_until "the trace table after F2" table_window
settled() { first=$(frame "$table"); sleep 0.2; [ "$(frame "$table")" = "$first" ]; }
wait_until "the trace table to settle" settled

set -- $(xwininfo -id "$win" | sed -n 's/^ *Absolute upper-left [XY]: *//p') $(fact client)
cx=$1 cy=$2 client_width=$3
width=$(xwininfo -id "$win" | sed -n 's/^ *Width: *//p')
set -- $(frame "$win")
wx=$1 wy=$2 ww=$3 wh=$4
set -- $(frame "$table")
tx=$1 ty=$2 tw=$3 th=$4
root=$(xwininfo -root)
sw=$(echo "$root" | sed -n 's/^ *Width: *//p') sh=$(echo "$root" | sed -n 's/^ *Height: *//p')
echo "on $size $*: kalumet ${ww}x$wh+$wx+$wy, the table ${tw}x$th+$tx+$ty"

problems=
[ "$tx" -ge 0 ] && [ "$ty" -ge 0 ] && [ $((tx + tw)) -le "$sw" ] && [ $((ty + th)) -le "$sh" ] \
    || problems="$problems
not all on the screen ${sw}x$sh"
# The kept parts as the window shows them, at its scale.
echo "$kept" | while read -r l t w h; do
    l=$((cx + l * width / client_width)) t=$((cy + t * width / client_width))
    r=$((l + w * width / client_width)) b=$((t + h * width / client_width))
    [ "$tx" -ge "$r" ] || [ $((tx + tw)) -le "$l" ] || [ "$ty" -ge "$b" ] || [ $((ty + th)) -le "$t" ] \
        || echo "over the part ${l},${t} to ${r},${b} of the window"
done > "$runtime/over"
problems="$problems$(cat "$runtime/over")"

if [ "$tx" -ge $((wx + ww)) ]; then at=right
elif [ $((tx + tw)) -le "$wx" ]; then at=left
elif [ "$ty" -ge $((wy + wh)) ]; then at=below
elif [ $((ty + th)) -le "$wy" ]; then at=above
else at=over
fi
echo "the table opened $at of the window"
[ "$at" = "$side" ] || problems="$problems
opened $at, not $side"
[ -z "$problems" ] || { echo "the table:$problems"; exit 1; }
