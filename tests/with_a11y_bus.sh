#!/bin/sh
# Runs a command with the accessibility bus up, as a desktop session with a
# screen reader has it, so that Qt's accessibility is switched on and its
# events are delivered: a private D-Bus session with at-spi2-core's bus
# launcher in it. Qt's bridge comes with the xcb platform: run it with a
# DISPLAY (with_xvfb.sh).
# usage: with_a11y_bus.sh <command...>
set -u
if [ -z "${A11Y_BUS_SESSION:-}" ]; then
    A11Y_BUS_SESSION=1 exec dbus-run-session -- sh "$0" "$@"
fi
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
launcher=$!
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$@"
status=$?
kill "$launcher" 2>/dev/null
wait "$launcher" 2>/dev/null
exit $status
