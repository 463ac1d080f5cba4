#!/bin/sh
# Copies a WebAssembly module with a custom section added at its end: a
# name and a short ASCII text, each under 128 bytes, which a page reads
# with WebAssembly.Module.customSections() (web/page.js).
# usage: wasmsection.sh <module> <copy> <name> <text>
set -eu
name=$3 text=$4
size=$((1 + ${#name} + ${#text}))
if [ ${#name} -ge 128 ] || [ $size -ge 128 ]; then
    echo "wasmsection.sh: the name or the text is too long" >&2
    exit 1
fi
{
    cat "$1"
    # Section id 0 (custom), the section's size, the name's size: each one
    # byte of LEB128 below 128.
    printf '\000'
    printf "\\$(printf %03o $size)\\$(printf %03o ${#name})"
    printf %s "$name$text"
} > "$2.tmp"
mv "$2.tmp" "$2"
