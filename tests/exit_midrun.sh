#!/bin/sh
# Ends a program from outside its code, on a private Xvfb server: kalumet in
# the middle of an automatic run, brivon (which has no run) once its window
# is shown. Either by "Выход" (kalumet's), the window's own close box, or
# its window destroyed by another client (xdotool windowclose, as a session
# tool may). The program must end by itself with status 0 and print
# nothing.
# usage: exit_midrun.sh <kalumet|brivon> button|closebox|destroyed
set -u
prog=$1 how=$2
. "$(dirname "$0")/xvfb_lib.sh"

start_xvfb
start_program "$prog"
find_window "$(basename "$prog")"

if [ "$program" = kalumet ]; then
    start_automatic_run
    # The run goes on: the window changes from beat to beat (the first
    # change may still be the last click's).
    wait_changing "the automatic run to start"
    wait_changing "the automatic run to go on"
fi

case $how in
    button) click Command3 ;; # "Выход"
    closebox) "$XWINDOW" close "$win" || { echo "could not send the close request"; exit 1; } ;;
    destroyed) xdotool windowclose "$win" || { echo "could not destroy the window"; exit 1; } ;;
    *) echo "unknown way to end: $how"; exit 2 ;;
esac

expect_clean_exit "the $how"
echo "$program ended by the $how with status 0"
