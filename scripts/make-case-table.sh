#!/usr/bin/env bash
# Regenerates src/platform/upper_case_table.cpp: the BMP from Wine's CharUpperBuffW (a small
# Windows program run under Wine prints it), the planes above from Debian's unicode-data. Tells
# on standard error how the two differ within the BMP.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/ensure-deps.sh unicode-data python3
work=build/case-table
mkdir -p "$work"
x86_64-w64-mingw32-g++ -O2 -static -o "$work/print_upper_case.exe" \
    scripts/case-table/print_upper_case.cpp
WINEPREFIX="$PWD/$work/wineprefix" WINEDEBUG=-all wine "$work/print_upper_case.exe" \
    >"$work/wine-upper-case.txt" 2> >(grep -v -e '^wine: ' >&2)
python3 scripts/case-table/make_table.py "$work/wine-upper-case.txt" \
    /usr/share/unicode/UnicodeData.txt >src/platform/upper_case_table.cpp
clang-format -i src/platform/upper_case_table.cpp
