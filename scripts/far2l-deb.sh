#!/usr/bin/env bash
# Makes the Debian package of the far2l module with dpkg-deb alone:
#   scripts/far2l-deb.sh <version> <plug folder> <output folder>
# gives <output folder>/pickwell-far2l_<version>_<arch>.deb, which installs every file of the plug
# folder (the module and its language and help files, as the .tar.gz has them) in far2l's system
# plug-ins folder, /usr/lib/far2l/Plugins/Pickwell/plug/, where far2l finds them at its next start.
# The control file, copyright and changelog come from res/far2l/deb/; the package depends on far2l
# and on the C and C++ runtimes at the lowest versions that have every symbol the module takes
# from them. Prints the package's path; stops if the package lacks one of its files.
set -euo pipefail
umask 022
cd "$(dirname "$0")/.."

version=$1 source=$2 output=$3
package=pickwell-far2l
arch=$(dpkg --print-architecture)
plug=usr/lib/far2l/Plugins/Pickwell/plug
docs=usr/share/doc/$package
module=Pickwell.far-plug-wide
runtime_packages=(libc6 libstdc++6 libgcc-s1)
deb=$output/${package}_${version}_${arch}.deb
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

# library_depends <module>: "libc6 (>= 2.33), libgcc-s1 (>= 3.0), ..." for the runtime packages,
# each at the highest of the versions that its symbols file (as installed here) gives the
# versioned symbols the module imports. Stops if a symbol is in none of them.
library_depends() {
    local symbol_files=() runtime
    for runtime in "${runtime_packages[@]}"; do
        symbol_files+=("$(dpkg-query --control-path "$runtime:$arch" symbols)")
    done
    objdump -T "$1" | awk '
        NR == FNR {
            if (/\*UND\*/ && $(NF - 1) != "Base") {
                version = $(NF - 1); gsub(/[()]/, "", version); wanted[$NF "@" version] = 1
            }
            next
        }
        /^[^ |*#]/ { library_package = $2 }  # "<soname> <package> #MINVER#" starts a library
        /^ / && ($1 in wanted) { print library_package, $2; found[$1] = 1 }
        END {
            for (symbol in wanted) if (!(symbol in found)) missing = missing " " symbol
            if (missing) { print "far2l-deb.sh: no runtime package has" missing > "/dev/stderr"; exit 1 }
        }' - "${symbol_files[@]}" |
        sort -k1,1 -k2,2V | awk '{ highest[$1] = $2 } END { for (p in highest) print p " (>= " highest[p] ")" }' |
        sort | paste -sd, - | sed 's/,/, /g'
}

# The changelog must speak of this version, or the package would describe another.
changelog_version=$(sed -n '1s/^[^ ]* (\([^)]*\)).*/\1/p' res/far2l/deb/changelog)
if [ "$changelog_version" != "$version" ]; then
    echo "far2l-deb.sh: res/far2l/deb/changelog begins with $changelog_version, not $version" >&2
    exit 1
fi

rm -f "$deb"
chmod 0755 "$stage"
mkdir -p "$stage/DEBIAN" "$stage/$plug" "$stage/$docs"
install -m 0644 "$source"/* "$stage/$plug/"
chmod 0755 "$stage/$plug/$module"
strip --strip-unneeded --remove-section=.comment --remove-section=.note "$stage/$plug/$module"
install -m 0644 res/far2l/deb/copyright "$stage/$docs/"
gzip -9n <res/far2l/deb/changelog >"$stage/$docs/changelog.gz"
chmod 0644 "$stage/$docs/changelog.gz"

depends=$(library_depends "$stage/$plug/$module")
installed_size=$(du -sk --exclude=DEBIAN "$stage" | cut -f1)
sed -e "s/@VERSION@/$version/" -e "s/@ARCH@/$arch/" -e "s/@INSTALLED_SIZE@/$installed_size/" \
    -e "s/@LIBRARY_DEPENDS@/$depends/" res/far2l/deb/control >"$stage/DEBIAN/control"
(cd "$stage" && find usr -type f | LC_ALL=C sort | xargs md5sum) >"$stage/DEBIAN/md5sums"
chmod 0644 "$stage/DEBIAN/control" "$stage/DEBIAN/md5sums"

dpkg-deb --root-owner-group --build "$stage" "$deb" >/dev/null

listing=$(dpkg-deb --contents "$deb" | awk '{ print $NF }')
expected=("$docs/copyright" "$docs/changelog.gz")
for file in "$source"/*; do expected+=("$plug/${file##*/}"); done
for file in "${expected[@]}"; do
    if ! grep -qxF "./$file" <<<"$listing"; then
        echo "far2l-deb.sh: $deb lacks /$file" >&2
        exit 1
    fi
done
echo "$deb"
