#!/usr/bin/env bash
# Measures what docs/performance.md reports: each benchmark beside its limit, as a ratio, and the
# whole vesk-sim process on a long script. Run after scripts/test.sh has built build/native.
set -euo pipefail
cd "$(dirname "$0")/.."
bench=build/native/bench/vesk_bench
sim=build/native/vesk-sim

csv=$(mktemp)
"$bench" --benchmark_min_time=0.2 --benchmark_repetitions=10 --benchmark_enable_random_interleaving=true \
  --benchmark_report_aggregates_only=true \
  --benchmark_filter=-WatchMemory --benchmark_format=csv 2>/dev/null | grep '_median"' > "$csv"
# name -> median ns per call
awk -F, '{ gsub(/"/, "", $1); sub(/_median$/, "", $1); printf "%s %s\n", $1, $4 }' "$csv" > "$csv.ns"
ns() { awk -v k="$1" '$1 == k { print $2 }' "$csv.ns"; }
ratio() { awk -v a="$(ns "$1")" -v b="$(ns "$2")" 'BEGIN { printf "%.2f", a / b }'; }

echo "| case | plugin ns | limit ns | ratio | goal |"
echo "|---|---|---|---|---|"
printf '| idle, debugging off | %s | %s | %s | 1.5 |\n' "$(ns BM_Idle/debugging:0)" "$(ns BM_IdleLimit)" "$(ratio BM_Idle/debugging:0 BM_IdleLimit)"
printf '| idle, debugging on, untraced code | %s | %s | %s | 1.5 |\n' "$(ns BM_Idle/debugging:1)" "$(ns BM_IdleLimit)" "$(ratio BM_Idle/debugging:1 BM_IdleLimit)"
for kind in variables switches; do
  flag=$([ $kind = variables ] && echo false || echo true)
  for n in 1 10 100 1000 10000; do
    goal=$([ $n -ge 1000 ] && echo 1.5 || ([ $n -eq 10 ] && echo 3 || echo -))
    printf '| %s %s watched, none changed | %s | %s | %s | %s |\n' "$n" "$kind" \
      "$(ns "BM_Watched<$flag>/$kind:$n")" "$(ns "BM_WatchedLimit<$flag>/$kind:$n")" \
      "$(ratio "BM_Watched<$flag>/$kind:$n" "BM_WatchedLimit<$flag>/$kind:$n")" "$goal"
  done
done
echo
echo "Report composition (presenter discards the box), ns:"
grep -E 'TraceReport|WatchReport|FailedAssertion' "$csv.ns" | sed 's/^/  /'
echo
echo "Memory per watched item:"
"$bench" --benchmark_filter=WatchMemory 2>/dev/null | grep -o 'BM_WatchMemory/[0-9]*.*bytes_per_entry=[0-9.]*' | sed 's/^/  /'

echo
echo "Whole process, vesk-sim --json to /dev/null:"
for n in 100000 1000000; do
  script=$(mktemp)
  bench/long_script.sh "$n" > "$script"
  /usr/bin/time -v "$sim" --json "$script" > /dev/null 2> "$script.time" || true
  secs=$(awk -F': ' '/Elapsed/ { split($2, t, ":"); print t[1] * 60 + t[2] }' "$script.time")
  rss=$(awk -F': ' '/Maximum resident/ { print $2 }' "$script.time")
  printf '  %s commands: %s s (%s ns per command), peak %s KiB, script text %s KiB\n' "$n" "$secs" \
    "$(awk -v s="$secs" -v n="$n" 'BEGIN { printf "%.0f", s * 1e9 / n }')" "$rss" "$(( $(stat -c %s "$script") / 1024 ))"
  rm -f "$script" "$script.time"
done
rm -f "$csv" "$csv.ns"
