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
start_program "$prog"
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

expect_clean_exit "the $how"
echo "ended by the $how mid-run with status 0"
