#!/usr/bin/env bash
# Builds the plug-in package (dist/Pickwell/ and a zip named with the version), then shows it at
# work: the packaged DLL runs in our test host under Wine on the sample folder and clipboard text.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/ensure-deps.sh
version=$(sed -n 's/^project(Pickwell VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)

echo "== building Pickwell $version for Windows x64"
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$(nproc)"

echo "== packaging"
rm -rf dist/Pickwell "dist/Pickwell-$version.zip"
mkdir -p dist/Pickwell
cp build/windows/Pickwell.dll res/PickwellEng.lng res/PickwellRus.lng dist/Pickwell/
(cd dist && cmake -E tar cf "Pickwell-$version.zip" --format=zip Pickwell)
ls -l dist/Pickwell "dist/Pickwell-$version.zip"

echo "== demo: the packaged DLL under Wine"
export WINEPREFIX="$PWD/build/windows/wineprefix" WINEDEBUG=-all
wine build/windows/pickwell_host.exe --dll "$PWD/dist/Pickwell/Pickwell.dll" \
    --demo "$PWD/samples/folder" "$PWD/samples/clipboard.txt" 2> >(grep -v -e '^wine: ' >&2)
