#!/usr/bin/env bash
# Instruction counts (valgrind --tool=callgrind) of the calculator and of
# padding, each against a plain C yardstick that writes the same bytes; then
# the Google Benchmark of the writers and readers.
# Usage: bench/run.sh [build-dir]   (default: build-bench)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-bench}

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
      -DMONTHLY_PAYMENT_BENCHMARKS=ON >/dev/null
cmake --build "$build" -j2 >/dev/null

# Total instructions of one run: the "summary:" line of callgrind's output.
instructions() {
    local input=$1
    shift
    local out
    out=$(mktemp)
    valgrind --tool=callgrind --callgrind-out-file="$out" "$@" <"$input" >/dev/null 2>&1
    awk '/^summary:/ { print $2 }' "$out"
    rm -f "$out"
}

replies=$(mktemp)
printf '900\n100\n12\n1\n' >"$replies"
program=$(instructions "$replies" "$build/monthly_payment")
plain=$(instructions "$replies" "$build/bench/plain_stdio_calculator")
padding=$(instructions /dev/null "$build/bench/pad_spaces")
single=$(instructions /dev/null "$build/bench/fwrite_spaces")
rm -f "$replies"

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", a / b }'; }
printf 'whole run:      %10d instructions, plain stdio %10d: ratio %s (goal <= 1.3)\n' \
       "$program" "$plain" "$(ratio "$program" "$plain")"
printf 'pad 10^7 spaces: %10d instructions, one fwrite  %10d: ratio %s (goal <= 3)\n' \
       "$padding" "$single" "$(ratio "$padding" "$single")"

"$build/bench/console_io_benchmark"
