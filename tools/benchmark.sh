#!/bin/sh
# Start-up benchmark of the two programs (not part of the test suite: these
# machines are shared, so timings are measured here, never asserted in
# tests). Starts each program N times on a private Xvfb server and reports
# the median time until its window is mapped and the largest resident set.
# usage: tools/benchmark.sh [build folder] [runs]
set -eu
build=${1:-build} runs=${2:-10}

d=95
while [ -e "/tmp/.X11-unix/X$d" ] || [ -e "/tmp/.X$d-lock" ]; do d=$((d + 1)); done
Xvfb ":$d" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT INT TERM
export DISPLAY=":$d" QT_QPA_PLATFORM=xcb
until xwininfo -root >/dev/null 2>&1; do sleep 0.05; done

measure() { # program
    times="" rss=0
    i=0
    while [ $i -lt "$runs" ]; do
        start=$(date +%s%N)
        "$1" >/dev/null 2>&1 &
        pid=$!
        until [ -n "$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null)" ]; do
            kill -0 "$pid" 2>/dev/null || { echo "$1 exited early" >&2; exit 1; }
            sleep 0.005
        done
        end=$(date +%s%N)
        sleep 0.3 # let it settle before reading its memory
        kb=$(awk '/^VmHWM:/ { print $2 }' "/proc/$pid/status")
        kill "$pid"; wait "$pid" 2>/dev/null || true
        times="$times $(( (end - start) / 1000000 ))"
        [ "$kb" -gt "$rss" ] && rss=$kb
        i=$((i + 1))
    done
    median=$(echo $times | tr ' ' '\n' | sort -n | sed -n "$(( (runs + 1) / 2 ))p")
    echo "$(basename "$1"): start-up median ${median} ms over $runs runs, peak RSS $((rss / 1024)) MiB"
}

measure "$build/demo/kalumet"
measure "$build/sorter/brivon"
echo "targets: start-up under 500 ms, peak RSS under 80 MiB"
