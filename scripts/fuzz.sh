#!/usr/bin/env bash
# Fuzzes each target for a while, one after another, from the seeds in fuzz/<folder>/corpus and
# what earlier runs found (kept in build/sanitize/fuzz/corpus), in the sanitizer build. A target
# is <folder>/<name>; a fault stops it with the failing input saved as
# build/sanitize/fuzz/<folder>_<name>-crash-*, and a reproducing run is
#   build/sanitize/fuzz/<folder>_<name>_fuzz FILE
#
#   scripts/fuzz.sh [seconds per target, default 600] [target ...]
#   targets: core/name_parser far2/command far2/config_dialog far3/command far2l/clipboard
#   far2l/uri_list far2l/ini_file (default: all)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-600}
[ $# -gt 0 ] && shift
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(core/name_parser far2/command far2/config_dialog
                                     far3/command far2l/clipboard far2l/uri_list far2l/ini_file)

scripts/ensure-deps.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)"
mkdir -p build/sanitize/fuzz/logs

for target in "${targets[@]}"; do
    folder=${target%%/*} name=${target#*/}
    found=build/sanitize/fuzz/corpus/$target
    log=build/sanitize/fuzz/logs/${folder}_$name.log
    mkdir -p "$found"
    echo "== $target, ${seconds} s (log: $log)"
    if ! "build/sanitize/fuzz/${folder}_${name}_fuzz" -max_total_time="$seconds" -timeout=10 \
            -print_final_stats=1 -artifact_prefix="build/sanitize/fuzz/${folder}_$name-" \
            "$found" "fuzz/$folder/corpus/$name" >"$log" 2>&1; then
        tail -n 60 "$log"
        exit 1
    fi
    grep -E '^#[0-9]+[[:space:]]+DONE' "$log"
    grep -E 'stat::(number_of_executed_units|average_exec_per_sec)' "$log"
done
