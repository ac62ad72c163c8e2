#!/usr/bin/env bash
# Builds everything and runs every test suite: native unit tests, the same under sanitizers, short
# fuzz runs, then the real DLL under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/ensure-deps.sh
jobs=$(nproc)

echo "== native build and unit tests"
cmake --preset native >/dev/null
cmake --build --preset native -j "$jobs"
ctest --preset native -j "$jobs"

echo "== native unit tests under AddressSanitizer and UBSan"
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize -j "$jobs"
ctest --preset sanitize -j "$jobs"

echo "== fuzz targets, a few seconds each (longer runs: scripts/fuzz.sh)"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$jobs"
ctest --preset fuzz -j "$jobs"

echo "== Windows DLL and Wine tests"
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$jobs"
ctest --preset windows
