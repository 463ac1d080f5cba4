# Shell functions for the tests that start a program on a private Xvfb
# server with the xcb platform. Source it with KALUMET_FACTS set to the
# build's programs/ folder (each program's declared facts, programs/<name>.env,
# and its controls' centres, programs/controls.env) and, to close windows
# and read their pixels, XWINDOW to the xwindow tool. Then:
#   start_xvfb                   starts a server on a display it picks itself,
#                                its screen $XVFB_SCREEN (1280x1024x24)
#   start_program <program...>   starts the program; its pid in $app, what
#                                it prints in the file $log
#   find_window <name>           waits for the window of kalumet or brivon,
#                                found by its process, and checks its title;
#                                the id in $win, the name in $program
#   expect_clean_exit "<cause>"  waits for the program to end by itself:
#                                status 0, nothing printed
#   click <control>              clicks the centre of a control of $program's
#                                window, by its name (Command1, Cmd_Goto),
#                                the window scaled by $scale (1)
#   press <control>              clicks it and waits for the window to change
#   start_automatic_run          in kalumet's window: the sort button, the
#                                mode box cleared, "Продолжить"
#   wait_changing "<what>"       waits for the window's pixels to change, as
#                                they do in a running demonstration
#   wait_until "<what>" <command...>
#                                runs the command until it succeeds
# Nothing sleeps a fixed time and hopes: every step waits for the state it
# needs, for up to $deadline seconds (60), however busy the machine is.
# Everything started is stopped, and the files removed, when the script exits.

for tool in Xvfb xdotool xwininfo xprop; do
    command -v "$tool" >/dev/null 2>&1 || { echo "missing $tool"; exit 1; }
done
[ -f "${KALUMET_FACTS:-}/kalumet.env" ] || { echo "KALUMET_FACTS names no build's programs/ folder"; exit 1; }
for facts in "$KALUMET_FACTS"/*.env; do
    . "$facts"
done

deadline=${deadline:-60}
scale=${scale:-1}
xvfb= app= program=
log=$(mktemp)
runtime=$(mktemp -d) # a session's runtime folder, as a desktop session has
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$log" "$runtime"
}
trap cleanup EXIT INT TERM

# wait_until "<what>" <command...>: the command until it succeeds; after
# $deadline seconds the test fails, saying what it waited for.
wait_until() {
    what=$1
    shift
    waited_since=$(date +%s)
    until "$@"; do
        if [ $(($(date +%s) - waited_since)) -ge "$deadline" ]; then
            echo "waited $deadline s for $what"
            exit 1
        fi
        sleep 0.1
    done
}

start_xvfb() {
    # The server picks a display it can take itself and says which once it
    # accepts connections: no guess from lock files, which another file
    # system's servers (a chroot, a container) don't show while their
    # sockets still hold the display. -noreset: the server would otherwise
    # reset when its last client leaves, turning a program away.
    Xvfb -displayfd 3 -screen 0 "${XVFB_SCREEN:-1280x1024x24}" -nolisten tcp -noreset \
        3>"$runtime/display" >/dev/null 2>&1 &
    xvfb=$!
    wait_until "Xvfb to start" xvfb_ready
    export DISPLAY=":$(head -n 1 "$runtime/display")"
}
# start_openbox: the window manager openbox on the server, until the end.
start_openbox() {
    command -v openbox >/dev/null 2>&1 || { echo "missing openbox"; exit 1; }
    XDG_CONFIG_HOME="$runtime" openbox --sm-disable >/dev/null 2>&1 &
    wm=$!
    trap 'kill "$wm" 2>/dev/null; cleanup' EXIT INT TERM
    wait_until "openbox to start" wm_running
}
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"; }

xvfb_ready() {
    kill -0 "$xvfb" 2>/dev/null || { echo "Xvfb ended at its start"; xvfb=; exit 1; }
    [ -n "$(head -n 1 "$runtime/display" 2>/dev/null)" ]
}

start_program() {
    XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=xcb "$@" 2>"$log" &
    app=$!
}

find_window() {
    # By the process, not by the title: under a locale without UTF-8 the
    # old-style title (WM_NAME) is not the UTF-8 text that xdotool matches.
    program=$1
    win=
    wait_until "a window of $program" program_window
    title=$(fact title)
    name=$(window_title "$win")
    [ "$name" = "$title" ] || { echo "title is '$name', want '$title'"; exit 1; }
}
program_window() {
    if ! kill -0 "$app" 2>/dev/null; then
        wait "$app"
        echo "program exited early with status $?; it printed:"
        cat "$log"
        app=
        exit 1
    fi
    win=$(xdotool search --onlyvisible --pid "$app" 2>/dev/null | head -n 1)
    [ -n "$win" ]
}

# fact <fact>: a fact of $program: title, client ("788 531"), or a control's
# centre by its name.
fact() {
    eval "echo \"\${${program}_$1:-}\""
}

# The UTF-8 title (_NET_WM_NAME) of window $1, read as UTF-8 whatever the
# locale.
window_title() {
    LC_ALL=C.UTF-8 xprop -id "$1" -notype _NET_WM_NAME 2>/dev/null \
        | sed -n 's/^_NET_WM_NAME = "\(.*\)"$/\1/p'
}

expect_clean_exit() {
    wait_until "the program to end after $1" program_ended
    wait "$app"
    status=$?
    app=
    if [ -s "$log" ]; then
        echo "the program printed:"; cat "$log"; exit 1
    fi
    [ "$status" -eq 0 ] || { echo "exit status $status after $1"; exit 1; }
}
program_ended() { ! kill -0 "$app" 2>/dev/null; }

click() {
    centre=$(fact "$1")
    [ -n "$centre" ] || { echo "$program has no control $1"; exit 1; }
    set -- $centre
    x=$(awk "BEGIN { printf \"%d\", $1 * $scale }") y=$(awk "BEGIN { printf \"%d\", $2 * $scale }")
    xdotool mousemove --window "$win" "$x" "$y" click 1
}

digest() { "$XWINDOW" digest "$win"; }
changed() { [ "$(digest)" != "$before" ]; }

press() {
    before=$(digest)
    click "$1"
    wait_until "the window to change after a click on $1" changed
}

start_automatic_run() {
    press Command1 # the sort button
    press Check1   # automatic mode
    press Cmd_Goto # "Продолжить"
}

wait_changing() {
    before=$(digest)
    wait_until "$1" changed
}
