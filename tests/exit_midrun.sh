#!/bin/sh
# Ends kalumet in the middle of an automatic run, on a private Xvfb server:
# the sort button, the mode check box cleared, "Продолжить", then either
# "Выход" or the window's own close box. The program must end by itself
# with status 0 and print nothing.
# usage: exit_midrun.sh <kalumet> <xwindow tool> button|closebox
set -u
prog=$1 xwindow=$2 how=$3
. "$(dirname "$0")/xvfb_lib.sh"

start_xvfb
log=$(mktemp)
runtime=$(mktemp -d) # a session's runtime folder, as a desktop session has
trap 'rm -rf "$log" "$runtime"; cleanup' EXIT INT TERM
export XDG_RUNTIME_DIR="$runtime"
start_program "$prog" 2>"$log"
find_window "Демонстрация алгоритма сортировки трех чисел"
sleep 0.3

click() { # x y in window pixels
    xdotool mousemove --window "$win" "$1" "$2" click 1
    sleep 0.15
}
click 644 196 # Command1, the sort button
click 496 432 # Check1: automatic mode
click 624 500 # Cmd_Goto, "Продолжить"

# The run goes on: the window changes from beat to beat.
before=$("$xwindow" digest "$win")
sleep 1.2
after=$("$xwindow" digest "$win")
[ -n "$before" ] && [ "$before" != "$after" ] || { echo "the automatic run did not start"; exit 1; }

case $how in
    button) click 728 468 ;; # Command3, "Выход"
    closebox) "$xwindow" close "$win" || { echo "could not send the close request"; exit 1; } ;;
    *) echo "unknown way to end: $how"; exit 2 ;;
esac

i=0
while kill -0 "$app" 2>/dev/null; do
    i=$((i + 1)); [ $i -gt 50 ] && { echo "still running 5 s after the $how"; exit 1; }
    sleep 0.1
done
wait "$app"
status=$?
app=
if [ -s "$log" ]; then
    echo "the program printed:"; cat "$log"; exit 1
fi
[ "$status" -eq 0 ] || { echo "exit status $status"; exit 1; }
echo "ended by the $how mid-run with status 0"
