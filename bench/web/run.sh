#!/bin/sh
# The web pages' benchmark: what kalumet's page loads, and how soon it
# shows its window in headless Chromium against a bare Qt window of the
# same size with one label, built with the same Qt for WebAssembly, and
# how soon it starts and what a site sends on a first and a next visit.
#   bench/web/run.sh [web build folder (build-web)] [starts (40)]
# Builds what it needs in the web build (configured by ./setup.sh web) and
# prints one table, each figure with its target.
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build-web}" && pwd)
cmake --build "$build" -j 2 --target kalumet kalumet-precompressed web-precompressed \
    bench-host-kalumet bench-host-baseline >/dev/null
exec /usr/bin/python3 "$root/bench/web/start.py" "$build" "${2:-40}"
