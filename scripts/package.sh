#!/usr/bin/env bash
# Builds the plug-in package (dist/Pickwell/ and a zip named with the version), then shows it at
# work: the packaged DLL runs in our test host under Wine on the sample folder and clipboard text.
# It also packages the far2l module (dist/Pickwell-<version>-far2l-<arch>/ and its .tar.gz).
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

# The far2l module for this machine's architecture, laid out as far2l's bundled plug-ins are
# (Pickwell/plug/ with the module and its UTF-8 language files), and a .tar.gz of it.
package_far2l() {
    local name="Pickwell-$version-far2l-$(uname -m)"
    echo "== building Pickwell $version for far2l ($(uname -m))"
    cmake --preset far2l >/dev/null
    cmake --build --preset far2l -j "$(nproc)"

    echo "== packaging $name"
    rm -rf "dist/$name" "dist/$name.tar.gz"
    mkdir -p "dist/$name/Pickwell/plug"
    cp build/far2l/Pickwell.far-plug-wide res/PickwellEng.lng res/PickwellRus.lng \
        "dist/$name/Pickwell/plug/"
    (cd dist && cmake -E tar czf "$name.tar.gz" "$name")
    ls -lR "dist/$name" "dist/$name.tar.gz"
}

package_far2l
