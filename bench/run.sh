#!/bin/sh
# Builds what the benchmark needs (configuring ./build first if it isn't)
# and runs it; prints the table on stdout, progress on stderr.
# usage: bench/run.sh [runs] [--starts-only] [--against <build folder>]
#   runs: starts of each program per platform, >= 10
set -eu
cd "$(dirname "$0")/.."
[ -f build/CMakeCache.txt ] || cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target benchmark -j "$(nproc 2>/dev/null || echo 2)" >/dev/null
exec ./build/bench/benchmark "$@"
