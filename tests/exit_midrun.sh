#!/bin/sh
# Ends kalumet in the middle of an automatic run, on a private Xvfb server:
# either "Выход" or the window's own close box. The program must end by itself
# with status 0 and print nothing.
# usage: exit_midrun.sh <kalumet> button|closebox
set -u
prog=$1 how=$2
. "$(dirname "$0")/xvfb_lib.sh"

start_xvfb
start_program "$prog"
find_window kalumet

start_automatic_run
# The run goes on: the window changes from beat to beat (the first change
# may still be the last click's).
wait_changing "the automatic run to start"
wait_changing "the automatic run to go on"

case $how in
    button) click Command3 ;; # "Выход"
    closebox) "$XWINDOW" close "$win" || { echo "could not send the close request"; exit 1; } ;;
    *) echo "unknown way to end: $how"; exit 2 ;;
esac

expect_clean_exit "the $how"
echo "ended by the $how mid-run with status 0"
