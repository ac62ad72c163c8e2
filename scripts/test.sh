#!/usr/bin/env bash
# Builds everything and runs every test suite: native unit tests (with the far2l module in its test
# host), the same under sanitizers, the far2l Release build, short fuzz runs, then the real DLLs
# under Wine. The benchmarks are built, not run.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/ensure-deps.sh libbenchmark-dev
jobs=$(nproc)

# Configures, builds and tests one preset; extra arguments go to ctest.
run_suite() {
    local preset=$1 title=$2
    shift 2
    echo "== $title"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
    ctest --preset "$preset" "$@"
}

run_suite native "native build and unit tests" -j "$jobs"
# Only built, so that they keep up with the code; scripts/bench.sh runs them.
echo "== benchmarks build"
cmake --preset bench >/dev/null
cmake --build --preset bench -j "$jobs"
run_suite sanitize "native unit tests under AddressSanitizer and UBSan" -j "$jobs"
run_suite far2l "far2l module in its test host (also built and run by the two above)" -j "$jobs"
run_suite fuzz "fuzz targets, a few seconds each (longer runs: scripts/fuzz.sh)" -j "$jobs"
# One at a time: the Wine tests share one clipboard.
run_suite windows "Windows DLL and Wine tests"
