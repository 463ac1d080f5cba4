#!/bin/sh
# Fuzzes the number text both programs share for a given time:
#   fuzz/run.sh SECONDS [more libFuzzer options]
# Builds the libFuzzer target with clang++ in build-fuzz/ when needed, starts
# from the committed seeds in fuzz/corpus/ and keeps the inputs it finds in
# build-fuzz/corpus/ (the committed corpus is only read). An input that
# breaks a rule is saved as build-fuzz/crashes/numbertext-*.
# Needs clang and libclang-rt-14-dev.
set -eu
cd "$(dirname "$0")/.."

seconds=${1:-}
case "$seconds" in
    '' | *[!0-9]*) echo "usage: $0 SECONDS [libFuzzer options]" >&2; exit 2 ;;
esac
shift

build="build-fuzz"
if [ ! -f "$build/CMakeCache.txt" ]; then
    CXX=${CXX:-clang++} cmake -S fuzz -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" --target numbertext_fuzz

scratch="$build/corpus"
log="$build/fuzz.log"
mkdir -p "$scratch" "$build/crashes"
# -timeout: an input that takes seconds counts as a hang; -max_len lets the
# UTF-16 reading of an input reach the longest text a box takes.
{
    "$build/numbertext_fuzz" -max_total_time="$seconds" -timeout=10 \
        -max_len=65536 -print_final_stats=1 -artifact_prefix="$build/crashes/numbertext-" \
        "$@" "$scratch" fuzz/corpus 2>&1
    echo $? >"$build/status"
} | tee "$log"

status=$(cat "$build/status")
echo "executions: $(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)"
count() { find "$1" -type f | wc -l; }
echo "corpus: $(count "$scratch") inputs found in $scratch, $(count fuzz/corpus) seeds"
exit "$status"
