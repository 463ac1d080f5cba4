#!/bin/sh
# Fuzzes one program's number text for a given time:
#   fuzz/run.sh demo|sorter SECONDS [more libFuzzer options]
# Builds the libFuzzer target with clang++ in build-fuzz/ when needed, starts
# from the committed seeds in fuzz/corpus/<program>/ and keeps the inputs it
# finds in build-fuzz/corpus-<program>/ (the committed corpus is only read).
# An input that breaks a rule is saved as build-fuzz/crashes/<program>-*.
# Needs clang and libclang-rt-14-dev.
set -eu
cd "$(dirname "$0")/.."

case "${1:-}" in
    demo | sorter) program=$1 ;;
    *) echo "usage: $0 demo|sorter SECONDS [libFuzzer options]" >&2; exit 2 ;;
esac
seconds=${2:-}
case "$seconds" in
    '' | *[!0-9]*) echo "usage: $0 demo|sorter SECONDS [libFuzzer options]" >&2; exit 2 ;;
esac
shift 2

build="build-fuzz"
if [ ! -f "$build/CMakeCache.txt" ]; then
    CXX=${CXX:-clang++} cmake -S fuzz -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" --target "${program}_numbertext_fuzz"

scratch="$build/corpus-$program"
log="$build/fuzz-$program.log"
mkdir -p "$scratch" "$build/crashes"
# -timeout: an input that takes seconds counts as a hang; -max_len lets the
# UTF-16 reading of an input reach the longest text a box takes.
{
    "$build/${program}_numbertext_fuzz" -max_total_time="$seconds" -timeout=10 \
        -max_len=65536 -print_final_stats=1 -artifact_prefix="$build/crashes/$program-" \
        "$@" "$scratch" "fuzz/corpus/$program" 2>&1
    echo $? >"$build/status-$program"
} | tee "$log"

status=$(cat "$build/status-$program")
echo "executions: $(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)"
count() { find "$1" -type f | wc -l; }
echo "corpus: $(count "$scratch") inputs found in $scratch, $(count "fuzz/corpus/$program") seeds"
exit "$status"
