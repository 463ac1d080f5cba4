#!/bin/sh
# Ends kalumet in the middle of an automatic run, on a private Xvfb server:
# either "Выход" or the window's own close box. The program must end by itself
# with status 0 and print nothing.
# usage: exit_midrun.sh <kalumet> <xwindow tool> button|closebox
set -u
prog=$1 xwindow=$2 how=$3
. "$(dirname "$0")/xvfb_lib.sh"

start_xvfb
start_program "$prog"
find_window "Демонстрация алгоритма сортировки трех чисел"
sleep 0.3

start_automatic_run
# The run goes on: the window changes from beat to beat.
changing "$xwindow" || { echo "the automatic run did not start"; exit 1; }

case $how in
    button) click 728 468 ;; # Command3, "Выход"
    closebox) "$xwindow" close "$win" || { echo "could not send the close request"; exit 1; } ;;
    *) echo "unknown way to end: $how"; exit 2 ;;
esac

expect_clean_exit "the $how"
echo "ended by the $how mid-run with status 0"
