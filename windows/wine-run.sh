#!/bin/bash
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
export WINEPREFIX WINEPATH="$path" WINEDLLOVERRIDES="mscoree,mshtml="
# Wine keeps the host's Qt variables (QT_*) from Windows programs; the same
# name after WINE passes one on.
for var in $(env | sed -n 's/^\(QT_[A-Za-z0-9_]*\)=.*/\1/p'); do
    export "WINE$var=${!var}"
done
# One test makes the prefix, the others wait for it.
mkdir -p "$(dirname "$WINEPREFIX")"
flock "$WINEPREFIX.lock" sh -c \
    '[ -f "$WINEPREFIX/system.reg" ] || { WINEDEBUG=-all wineboot -i && wineserver -w; } >/dev/null 2>&1'

# Without a console window, Qt's test output goes to the debugger
# (OutputDebugString); Wine's debug channel for it brings it here, decoded,
# to standard output. What the program writes itself passes as it is.
set -o pipefail
exec 4>&1
WINEDEBUG=-all,warn+debugstr wine "$@" 2>&1 1>&4 4>&- | while IFS= read -r line; do
    case "$line" in
    *:warn:debugstr:OutputDebugString?\ \"*)
        text=${line#*:warn:debugstr:OutputDebugString? \"}
        printf '%b' "${text%\"}" ;;
    *) printf '%s\n' "$line" >&2 ;;
    esac
done 4>&-
