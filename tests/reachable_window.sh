#!/bin/sh
# kalumet's window stays within reach under a window manager (openbox) on a
# private Xvfb server: the frame's top-left corner, and so the title bar, in
# the work area, and the named controls with their centres on the screen,
# once the window is shown and, given a second size, again after the screen
# changes to it in the middle of an automatic run, which must go on.
# Controls by their names: Text1 Text2 Text3 (the boxes), Cmd_Reset ("Сброс"),
# Command3 ("Выход"); "frame" among them: the whole frame in the work area.
#
# Xvfb resizes through RandR only below the size it started with: it starts
# at 1920x1080 and each size is a mode added to its output and set with the
# framebuffer (xrandr --newmode, --addmode, --output --mode --fb).
# usage: reachable_window.sh <kalumet> <screen WxH> <WxH mid-run or ""> "<controls>" [args...]
set -u
prog=$1 size=$2 later=$3 controls=$4
shift 4
XVFB_SCREEN=1920x1080x24
. "$(dirname "$0")/xvfb_lib.sh"
for tool in xrandr; do
    command -v "$tool" >/dev/null 2>&1 || { echo "missing $tool"; exit 1; }
done

screen() { # WxH
    w=${1%x*} h=${1#*x}
    output=$(xrandr | awk '/ connected/ { print $1; exit }')
    xrandr --newmode "m$1" 0 "$w" "$w" "$w" "$w" "$h" "$h" "$h" "$h" 2>/dev/null
    xrandr --addmode "$output" "m$1" && xrandr --output "$output" --mode "m$1" --fb "$1" \
        || { echo "xrandr could not make the screen $1"; exit 1; }
}

# Empty if the window is within reach, else what is out of it.
out_of_reach() {
    info=$(xwininfo -id "$win")
    get() { echo "$info" | sed -n "s/^ *$1: *//p"; }
    x=$(get "Absolute upper-left X") y=$(get "Absolute upper-left Y") width=$(get Width)
    # left, right, top, bottom
    set -- $(xprop -id "$win" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ,) 0 0 0 0
    fx=$((x - $1)) fy=$((y - $3))
    fw=$((width + $1 + $2)) fh=$(($(get Height) + $3 + $4))
    # A scaled window is placed in whole logical pixels, its frame's border
    # in device pixels: the frame may be out by 2 pixels of rounding.
    set -- $(xprop -root _NET_WORKAREA | sed -n 's/.*= //p' | tr -d ,)
    [ "$fx" -ge $(($1 - 2)) ] && [ "$fx" -lt $(($1 + $3)) ] && [ "$fy" -ge $(($2 - 2)) ] && [ "$fy" -lt $(($2 + $4)) ] \
        || echo "the frame's corner ($fx, $fy) is outside the work area $3x$4+$1+$2"
    case " $controls " in
        *" frame "*)
            [ $((fx + fw)) -le $(($1 + $3 + 2)) ] && [ $((fy + fh)) -le $(($2 + $4 + 2)) ] \
                || echo "the frame ${fw}x$fh+$fx+$fy is not all in the work area $3x$4+$1+$2" ;;
    esac
    root=$(xwininfo -root)
    sw=$(echo "$root" | sed -n 's/^ *Width: *//p') sh=$(echo "$root" | sed -n 's/^ *Height: *//p')
    set -- $(fact client)
    client_width=$1
    for c in $controls; do
        [ "$c" = frame ] && continue
        set -- $(fact "$c")
        cx=$((x + $1 * width / client_width)) cy=$((y + $2 * width / client_width)) # scaled as the window is
        [ "$cx" -ge 0 ] && [ "$cx" -lt "$sw" ] && [ "$cy" -ge 0 ] && [ "$cy" -lt "$sh" ] \
            || echo "$c at ($cx, $cy) is off the screen ${sw}x$sh"
    done
}

# Waits for the window to be within reach.
expect_reachable() {
    wait_until "the window within reach $1 ($(out_of_reach))" within_reach
}
within_reach() { [ -z "$(out_of_reach)" ]; }

start_xvfb
screen "$size"
start_openbox

start_program "$prog" "$@"
find_window kalumet
expect_reachable "shown on $size"
# Clicked where the controls are at the window's scale.
set -- $(fact client)
scale=$(xwininfo -id "$win" | awk -v w="$1" '/Width:/ { print $2 / w }')
echo "shown on $size within reach, at scale $scale"
[ -z "$later" ] && exit 0

start_automatic_run
wait_changing "the automatic run to start"
wait_changing "the automatic run to go on"
screen "$later"
expect_reachable "after the screen became $later"
wait_changing "the run to go on after the screen became $later"
echo "within reach after the screen became $later, the run going on"
