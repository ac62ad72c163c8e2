#!/usr/bin/env bash
# Fuzzes each target for a while, one after another, from the seeds in fuzz/corpus and what
# earlier runs found (kept in build/fuzz/fuzz/corpus). A fault stops it with the failing input
# saved as build/fuzz/<target>-crash-*; a reproducing run is  build/fuzz/fuzz/<target>_fuzz FILE.
#
#   scripts/fuzz.sh [seconds per target, default 600] [target ...]
#   targets: name_parser select_command config_dialog far3_command far2l_clipboard uri_list
#   ini_file (default: all)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-600}
[ $# -gt 0 ] && shift
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(name_parser select_command config_dialog far3_command
                                     far2l_clipboard uri_list ini_file)

scripts/ensure-deps.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)"
mkdir -p build/fuzz/logs

for target in "${targets[@]}"; do
    found=build/fuzz/fuzz/corpus/$target
    log=build/fuzz/logs/$target.log
    mkdir -p "$found"
    echo "== $target, ${seconds} s (log: $log)"
    if ! "build/fuzz/fuzz/${target}_fuzz" -max_total_time="$seconds" -timeout=10 \
            -print_final_stats=1 -artifact_prefix="build/fuzz/$target-" \
            "$found" "fuzz/corpus/$target" >"$log" 2>&1; then
        tail -n 60 "$log"
        exit 1
    fi
    grep -E '^#[0-9]+[[:space:]]+DONE' "$log"
    grep -E 'stat::(number_of_executed_units|average_exec_per_sec)' "$log"
done
