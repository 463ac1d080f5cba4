#!/bin/sh
# Draws docs/kalumet.png, the README's picture of kalumet in the middle of a
# demonstration, from the real program: starts it on a private Xvfb server,
# presses the sort button and then "Вперед" a few times, and saves the
# window. Run it again after any change to the window. Given a picture and
# a command, it takes that command's kalumet instead (docs/windows.md: the
# Windows build under Wine).
# usage: tools/screenshot.sh [build folder [picture command...]]
#        (default: build docs/kalumet.png build/demo/kalumet)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
picture=${2:-$root/docs/kalumet.png}
[ $# -gt 2 ] && shift 2 || set -- "$build/demo/kalumet"
steps=9

cmake --build "$build" --target kalumet grabwindow >/dev/null
. "$root/tests/xvfb_lib.sh"
start_xvfb
start_program "$@"
find_window "Демонстрация алгоритма сортировки трех чисел"

# click <x> <y>: a click at that point of the window's client area, in pixels.
click() {
    xdotool mousemove --window "$win" "$1" "$2" click 1
    sleep 0.3
}
click 644 196                       # "Сортировать числа по возраствнию"
i=0
while [ $i -lt $steps ]; do
    click 624 460                   # "Вперед"
    i=$((i + 1))
done
xdotool mousemove --window "$win" 780 525 # the pointer out of the picture
sleep 0.5

XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=xcb \
    "$build/tools/grabwindow" "$win" "$picture"
echo "wrote $picture ($steps steps in)"
