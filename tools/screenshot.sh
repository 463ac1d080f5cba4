#!/bin/sh
# Draws docs/kalumet.png, the README's picture of kalumet in the middle of a
# demonstration, from the real program: starts it on a private Xvfb server,
# presses the sort button and then "Вперед" a few times, and saves the
# window. Run it again after any change to the window. Given a picture and
# a command, it takes that command's kalumet instead (docs/windows.md: the
# Windows build under Wine). With --trace it draws docs/trace.png instead:
# the trace table (F2) after a whole run of 5, 4, 3.
# usage: tools/screenshot.sh [--trace] [build folder [picture command...]]
#        (default: build docs/kalumet.png build/demo/kalumet)
set -eu
trace=false
[ "${1:-}" = --trace ] && { trace=true; shift; }
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
picture=${2:-$root/docs/kalumet.png}
$trace && picture=${2:-$root/docs/trace.png}
[ $# -gt 2 ] && shift 2 || set -- "$build/demo/kalumet"
steps=9
$trace && steps=24

cmake --build "$build" --target kalumet grabwindow xwindow control-centres >/dev/null
export KALUMET_FACTS="$build/programs" XWINDOW="$build/tests/xwindow"
. "$root/tests/xvfb_lib.sh"
start_xvfb
start_program "$@"
find_window kalumet

press Command1                       # "Сортировать числа по возраствнию"
i=0
while [ $i -lt $steps ]; do
    press Cmd_Next                   # "Вперед"
    i=$((i + 1))
done
set -- $(fact client)
xdotool mousemove --window "$win" $(($1 - 8)) $(($2 - 6)) # the pointer out of the picture
# Settled: the button the pointer left drawn plain again.
settled() { first=$(digest); sleep 0.3; [ "$first" = "$(digest)" ]; }
wait_until "the window to settle" settled

if $trace; then
    main=$win
    xdotool key --window "$win" F2
    # The program's other window.
    table() { win=$(xdotool search --onlyvisible --pid "$app" | grep -vx "$main" | head -n 1); [ -n "$win" ]; }
    wait_until "the trace table" table
    wait_until "the table to settle" settled
fi
XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=xcb \
    "$build/tools/grabwindow" "$win" "$picture"
echo "wrote $picture ($steps steps in)"
