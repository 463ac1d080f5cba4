#!/bin/sh
# Runs a whole scripted lesson with the demonstrator, and the sorter's
# presses (sorted and refused input), under valgrind's memcheck. Fails on
# any invalid read or write, use of an uninitialised value, or block
# definitely lost; prints each run's summary.
# usage: tests/memcheck.sh [build folder]
set -u
build=${1:-build}
command -v valgrind >/dev/null 2>&1 || { echo "missing valgrind"; exit 1; }
export QT_QPA_PLATFORM=offscreen QT_ACCESSIBILITY=0
log=$(mktemp)
trap 'rm -f "$log"' EXIT INT TERM

fail=0
check() { # name, program and arguments
    name=$1; shift
    valgrind --tool=memcheck --error-exitcode=99 --leak-check=full \
        --show-leak-kinds=definite --errors-for-leak-kinds=definite \
        --track-origins=yes --num-callers=40 \
        --suppressions="$(dirname "$0")/valgrind.supp" --log-file="$log" "$@" >/dev/null 2>&1
    status=$?
    echo "$name: $(grep -o 'ERROR SUMMARY: [0-9]* errors' "$log");" \
         "$(grep -o 'definitely lost: .*' "$log")"
    if [ $status -ne 0 ]; then
        echo "$name failed with status $status:"; cat "$log"; fail=1
    fi
}
check "kalumet lesson" "$build/tests/demonstration"
check "brivon presses" "$build/tests/sorter" sort refused
exit $fail
