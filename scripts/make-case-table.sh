#!/usr/bin/env bash
# Regenerates src/platform/far2l/upper_case_table.cpp, far2l's upper case of single code points, from
# the simple upper-case mappings of Debian's unicode-data package.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/ensure-deps.sh unicode-data python3
python3 scripts/case-table/make_table.py /usr/share/unicode/UnicodeData.txt \
    >src/platform/far2l/upper_case_table.cpp
clang-format -i src/platform/far2l/upper_case_table.cpp
