#!/usr/bin/env bash
# Runs the benchmarks: the command and the parser natively against the fake host, the peak
# memory of the largest command, and each real DLL beside the plain rule under Wine.
# Arguments go to the native benchmark program (for example --benchmark_filter=parse).
# PICKWELL_BENCH_WINE=0 skips the Wine run, whose plain rule alone takes minutes.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/ensure-deps.sh libbenchmark-dev time
jobs=$(nproc)
native_dir=${PICKWELL_BENCH_NATIVE_DIR:-build/bench}
windows_dir=${PICKWELL_BENCH_WINDOWS_DIR:-build/windows}

echo "== native benchmarks (medians of 5 runs)"
cmake --preset bench -B "$native_dir" >/dev/null
cmake --build "$native_dir" -j "$jobs" --target pickwell_bench
bench=$native_dir/bench/pickwell_bench
"$bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
    --benchmark_display_aggregates_only=true "$@"

echo "== peak memory: the 100k x 100k command, the same process with an empty list, and far2l's"
echo "   report of 100k names not found beside the command alone on the same clipboard, and the"
echo "   report of 100k names of one key hash"
for filter in '^command/100000$' '^command_empty_list/100000$' '^far2l_command/100000$' \
    '^far2l_command_empty_list/100000$' '^far2l_all_missing/command/100000$' \
    '^far2l_all_missing/report/100000$' '^far2l_all_missing/report_and_copy/100000$' \
    '^far2l_colliding/report/100000$'; do
    printf '%s: ' "$filter"
    /usr/bin/time -f '%M KiB' "$bench" --benchmark_filter="$filter" 2>&1 >/dev/null | tail -1
done

if [ "${PICKWELL_BENCH_WINE:-1}" != 0 ]; then
    cmake --preset windows -B "$windows_dir" >/dev/null
    cmake --build "$windows_dir" -j "$jobs" --target pickwell_timing
    # A prefix of its own: the tests' prefix may be busy with their clipboard.
    export WINEPREFIX="$PWD/$windows_dir/wineprefix-bench" WINEDEBUG=-all
    echo "== the real Far 2 DLL beside the plain rule under Wine, 20k x 20k"
    wine "$windows_dir/pickwell_timing.exe" 20000
    echo "== the real Far 3 DLL beside the plain rule under Wine, 20k x 20k"
    wine "$windows_dir/pickwell_timing.exe" --far3 20000
fi
