#!/usr/bin/env bash
# Runs the benchmarks: the command and the parser natively against the fake host, the peak
# memory of the largest command, and the real DLL beside the plain rule under Wine.
# Arguments go to the native benchmark program (for example --benchmark_filter=parse).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/ensure-deps.sh libbenchmark-dev time
jobs=$(nproc)

echo "== native benchmarks (medians of 5 runs)"
cmake --preset bench >/dev/null
cmake --build --preset bench -j "$jobs" --target pickwell_bench
bench=build/bench/bench/pickwell_bench
"$bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
    --benchmark_display_aggregates_only=true "$@"

echo "== peak memory: the 100k x 100k command, and the same process with an empty list"
for filter in '^command/100000$' '^command_empty_list/100000$'; do
    printf '%s: ' "$filter"
    /usr/bin/time -f '%M KiB' "$bench" --benchmark_filter="$filter" 2>&1 >/dev/null | tail -1
done
