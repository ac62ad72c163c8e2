#!/usr/bin/env bash
# Builds one package per host: for Far 2 and Far 3 a folder dist/Pickwell-<version>-<host>-x64/
# holding the DLL and its language and help files, and a zip of that folder; for far2l a folder
# dist/Pickwell-<version>-far2l-<arch>/ laid out as far2l's bundled plug-ins are, a .tar.gz, and the
# Debian package dist/pickwell-far2l_<version>_<arch>.deb (scripts/far2l-deb.sh), which lintian
# checks where it is installed. Stops if a package, or its archive, lacks one of the files.
# Then shows each DLL at work: the packaged DLL runs in our test host under Wine on the sample
# folder and clipboard text.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/ensure-deps.sh
version=$(sed -n 's/^project(Pickwell VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)

# What the build puts beside each module, and each package holds with it.
beside_module=(PickwellEng.lng PickwellRus.lng PickwellEng.hlf PickwellRus.hlf)

# check_package <archive> <file>...: stops unless each file, named relative to dist/, is there
# and not empty, and is in the archive dist/<archive>.
check_package() {
    local archive=$1 listing
    shift
    listing=$(cd dist && cmake -E tar tf "$archive")
    for file in "$@"; do
        if [ ! -s "dist/$file" ] || ! grep -qxF "$file" <<<"$listing"; then
            echo "package.sh: $file is missing from the package or from $archive" >&2
            exit 1
        fi
    done
}

# A folder named for the host with the DLL, its language and help files, and a zip holding the
# folder.
make_package() {
    local host=$1 dll=$2
    local name="Pickwell-$version-$host-x64" built
    built=$(dirname "$dll")
    rm -rf "dist/$name" "dist/$name.zip"
    mkdir -p "dist/$name"
    cp "$dll" "${beside_module[@]/#/$built/}" "dist/$name/"
    (cd dist && cmake -E tar cf "$name.zip" --format=zip "$name")
    check_package "$name.zip" "$name/Pickwell.dll" "${beside_module[@]/#/$name/}"
    ls -l "dist/$name" "dist/$name.zip"
}

# The packaged DLL in the test host that plays its host.
run_demo() {
    local host_program=$1 host=$2
    echo "== demo: the packaged $host DLL under Wine"
    wine "build/windows/$host_program" --dll "$PWD/dist/Pickwell-$version-$host-x64/Pickwell.dll" \
        --demo "$PWD/samples/folder" "$PWD/samples/clipboard.txt" 2> >(grep -v -e '^wine: ' >&2)
}

package_far2() { make_package Far2 build/windows/Pickwell.dll; }
package_far3() { make_package Far3 build/windows/far3/Pickwell.dll; }

# The far2l module for this machine's architecture, laid out as far2l's bundled plug-ins are
# (Pickwell/plug/ with the module and its language and help files), and a .tar.gz of it.
package_far2l() {
    local name="Pickwell-$version-far2l-$(uname -m)"
    echo "== building Pickwell $version for far2l ($(uname -m))"
    cmake --preset far2l >/dev/null
    cmake --build --preset far2l -j "$(nproc)"

    echo "== packaging $name"
    rm -rf "dist/$name" "dist/$name.tar.gz"
    mkdir -p "dist/$name/Pickwell/plug"
    cp build/far2l/Pickwell.far-plug-wide "${beside_module[@]/#/build/far2l/}" \
        "dist/$name/Pickwell/plug/"
    (cd dist && cmake -E tar czf "$name.tar.gz" "$name")
    local plug="$name/Pickwell/plug"
    check_package "$name.tar.gz" "$plug/Pickwell.far-plug-wide" "${beside_module[@]/#/$plug/}"
    ls -lR "dist/$name" "dist/$name.tar.gz"

    echo "== Debian package"
    local deb
    deb=$(scripts/far2l-deb.sh "$version" "dist/$plug" dist)
    dpkg-deb --info "$deb"
    dpkg-deb --contents "$deb"
    if command -v lintian >/dev/null; then
        lintian --fail-on error "$deb"
    fi
}

echo "== building Pickwell $version for Windows x64"
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$(nproc)"

echo "== packaging"
# Earlier versions of this script made one package under these names.
rm -rf dist/Pickwell "dist/Pickwell-$version.zip"
package_far2
package_far3

export WINEPREFIX="$PWD/build/windows/wineprefix" WINEDEBUG=-all
run_demo pickwell_host.exe Far2
run_demo pickwell_far3_host.exe Far3

package_far2l
