#!/bin/sh
# Writes a program's .wasm as a script for a page opened from disk, which
# may load scripts but fetch no files: the variable programWasm holds the
# module in base64 (web/page.js decodes it).
# usage: wasmscript.sh <program.wasm> <program.wasm.js>
set -eu
{
    printf 'var programWasm = "'
    base64 -w 0 "$1"
    printf '";\n'
} > "$2.tmp"
mv "$2.tmp" "$2"
