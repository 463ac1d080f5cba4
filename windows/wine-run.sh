#!/bin/sh
# Runs a Windows program of the build under Wine, quietly, in the given
# Wine prefix (made on first use), with the DLL folders on its path.
# usage: wine-run.sh <wine prefix> <DLL folder>... -- <program.exe> [args...]
set -eu
WINEPREFIX=$1
shift
path=
while [ "$1" != -- ]; do
    # Wine's Z: drive is the root of the file system.
    path="$path${path:+;}Z:$(printf '%s' "$1" | tr / '\\')"
    shift
done
shift
export WINEPREFIX WINEPATH="$path" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# One test makes the prefix, the others wait for it.
mkdir -p "$(dirname "$WINEPREFIX")"
flock "$WINEPREFIX.lock" sh -c \
    '[ -f "$WINEPREFIX/system.reg" ] || { wineboot -i && wineserver -w; } >/dev/null 2>&1'
exec wine "$@"
