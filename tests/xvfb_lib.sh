# Shell functions for the tests that start a program on a private Xvfb
# server with the xcb platform. Source it, then:
#   start_xvfb                   starts a server on the first free display,
#                                its screen $XVFB_SCREEN (1280x1024x24)
#   start_program <program...>   starts the program; its pid in $app, what
#                                it prints in the file $log
#   find_window "<title>"        waits for its window, found by its process,
#                                and checks its title; the id in $win
#   expect_clean_exit "<cause>"  waits for the program to end by itself:
#                                status 0, nothing printed
#   click <x> <y>                clicks the window at that pixel of it
#   start_automatic_run          in kalumet's window at scale 1: the sort
#                                button, the mode box cleared, "Продолжить"
#   changing <xwindow tool>      status 0 if the window's pixels change
#                                within 1.2 s, as they do in a running
#                                demonstration
# Everything started is stopped, and the files removed, when the script exits.

for tool in Xvfb xdotool xwininfo xprop; do
    command -v "$tool" >/dev/null 2>&1 || { echo "missing $tool"; exit 1; }
done

xvfb= app=
log=$(mktemp)
runtime=$(mktemp -d) # a session's runtime folder, as a desktop session has
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$log" "$runtime"
}
trap cleanup EXIT INT TERM

start_xvfb() {
    # The first display with no server, and one that our own server answers:
    # a server that could not take its display (another one holds it, say
    # through an abstract socket without a file) has ended by then.
    d=90
    while :; do
        while [ -e "/tmp/.X11-unix/X$d" ] || [ -e "/tmp/.X$d-lock" ]; do d=$((d + 1)); done
        # -noreset: the server would otherwise reset when its last client
        # (the probe below) leaves, and a program connecting during the
        # reset is turned away.
        Xvfb ":$d" -screen 0 "${XVFB_SCREEN:-1280x1024x24}" -nolisten tcp -noreset >/dev/null 2>&1 &
        xvfb=$!
        export DISPLAY=":$d"
        i=0
        until xwininfo -root >/dev/null 2>&1 || ! kill -0 "$xvfb" 2>/dev/null; do
            i=$((i + 1)); [ $i -gt 100 ] && { echo "Xvfb did not start"; exit 1; }
            sleep 0.1
        done
        kill -0 "$xvfb" 2>/dev/null && return
        wait "$xvfb" 2>/dev/null
        xvfb=
        d=$((d + 1))
        [ $d -gt 150 ] && { echo "no display for Xvfb"; exit 1; }
    done
}

start_program() {
    XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=xcb "$@" 2>"$log" &
    app=$!
}

find_window() {
    # By the process, not by the title: under a locale without UTF-8 the
    # old-style title (WM_NAME) is not the UTF-8 text that xdotool matches.
    win=
    i=0
    while [ -z "$win" ]; do
        i=$((i + 1)); [ $i -gt 150 ] && { echo "no window of the program appeared"; exit 1; }
        if ! kill -0 "$app" 2>/dev/null; then
            wait "$app"
            echo "program exited early with status $?; it printed:"
            cat "$log"
            app=
            exit 1
        fi
        sleep 0.1
        win=$(xdotool search --onlyvisible --pid "$app" 2>/dev/null | head -n 1)
    done
    name=$(window_title "$win")
    [ "$name" = "$1" ] || { echo "title is '$name', want '$1'"; exit 1; }
}

# The UTF-8 title (_NET_WM_NAME) of window $1, read as UTF-8 whatever the
# locale.
window_title() {
    LC_ALL=C.UTF-8 xprop -id "$1" -notype _NET_WM_NAME 2>/dev/null \
        | sed -n 's/^_NET_WM_NAME = "\(.*\)"$/\1/p'
}

expect_clean_exit() {
    i=0
    while kill -0 "$app" 2>/dev/null; do
        i=$((i + 1)); [ $i -gt 50 ] && { echo "still running 5 s after $1"; exit 1; }
        sleep 0.1
    done
    wait "$app"
    status=$?
    app=
    if [ -s "$log" ]; then
        echo "the program printed:"; cat "$log"; exit 1
    fi
    [ "$status" -eq 0 ] || { echo "exit status $status after $1"; exit 1; }
}

click() {
    xdotool mousemove --window "$win" "$1" "$2" click 1
    sleep 0.15
}

start_automatic_run() {
    click 644 196 # Command1, the sort button
    click 496 432 # Check1: automatic mode
    click 624 500 # Cmd_Goto, "Продолжить"
}

changing() {
    before=$("$1" digest "$win")
    sleep 1.2
    after=$("$1" digest "$win")
    [ -n "$before" ] && [ "$before" != "$after" ]
}
