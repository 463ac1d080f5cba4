#!/bin/sh
# Runs a command with DISPLAY on a private Xvfb server (its screen
# $XVFB_SCREEN, as xvfb_lib.sh starts it) and ends with the command's status.
# usage: with_xvfb.sh <command...>
set -u
. "$(dirname "$0")/xvfb_lib.sh"
start_xvfb
"$@"
exit $?
