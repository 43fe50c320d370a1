#!/usr/bin/env bash
# Every test: installs what is missing, builds the native library, the simulator and the DLL,
# runs the whole suite, runs it again under AddressSanitizer and UndefinedBehaviorSanitizer, and
# runs each fuzz target for a short, bounded time on its corpus, and plays the 64-bit Windows
# build under wine64 with real message boxes.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
jobs=$(nproc)
fuzz_seconds=${VESK_FUZZ_SECONDS:-30}
passed=0
# Adds the count of a ctest run ("100% tests passed, 0 tests failed out of N") to the total.
count_ctest() { passed=$((passed + $(tail -n 20 "$1" | sed -n 's/.*tests failed out of \([0-9]*\).*/\1/p'))); }
log=$(mktemp)
trap 'rm -f "$log"' EXIT

echo "== native build and tests"
cmake --preset native >/dev/null
cmake --build --preset native -j "$jobs"
ctest --preset native -j "$jobs" | tee "$log"
count_ctest "$log"

echo "== the same tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset asan >/dev/null
cmake --build --preset asan -j "$jobs"
ctest --preset asan -j "$jobs" | tee "$log"
count_ctest "$log"

echo "== fuzzing, ${fuzz_seconds}s per target"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$jobs"
for target in callbacks script; do
  work=$(mktemp -d)
  # New inputs go to a scratch folder; the committed seed corpus is only read.
  build/fuzz/fuzz/${target}_fuzz -max_total_time="$fuzz_seconds" -max_len=4096 -print_final_stats=1 \
    -artifact_prefix="$work/" "$work" "fuzz/corpus/$target" 2>"$work/log" || {
    tail -n 40 "$work/log" >&2
    echo "fuzz target $target found a failure; its input is in $work" >&2
    exit 1
  }
  grep -E 'stat::number_of_executed_units' "$work/log" | sed "s/^/$target: /"
  rm -rf "$work"
  passed=$((passed + 1))
done
echo "== the Windows path under wine64: real DLL loading, real message boxes"
tests/wine/run.sh | tee "$log"
passed=$((passed + $(tr -d '\r' < "$log" | sed -n 's/^\([0-9]*\) passed, 0 failed$/\1/p')))

echo "all tests: $passed passed, 0 failed"
