#!/usr/bin/env bash
# Builds everything and runs every test suite, in three builds that each compile the sources once:
#   native    (GCC)   the unit tests, the far2l module in its test host, the benchmarks (built
#                     only: scripts/bench.sh runs them);
#   windows   (MinGW) both DLLs, their checks and the Wine test hosts;
#   sanitize  (clang) the unit tests and the far2l test host under AddressSanitizer and UBSan,
#                     and each fuzz target for a few seconds (longer runs: scripts/fuzz.sh).
# The Wine tests mostly wait on Wine, so they run while the sanitizer build compiles.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/ensure-deps.sh libbenchmark-dev
jobs=$(nproc)

build() {
    local preset=$1 title=$2
    echo "== $title"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
}

build native "native build: unit tests, far2l module and test host, benchmarks"
ctest --preset native -j "$jobs"

build windows "Windows DLLs and Wine test hosts"
# One test at a time: the Wine tests share one clipboard.
wine_log=build/windows/wine-tests.log
ctest --preset windows >"$wine_log" 2>&1 &
wine_tests=$!
trap 'kill "$wine_tests" 2>/dev/null || true' EXIT

build sanitize "sanitizer build: unit tests, far2l test host, fuzz targets"
sanitize_status=0
ctest --preset sanitize -j "$jobs" || sanitize_status=$?

echo "== Windows DLL and Wine tests"
wine_status=0
wait "$wine_tests" || wine_status=$?
cat "$wine_log"
exit $((sanitize_status != 0 || wine_status != 0))
