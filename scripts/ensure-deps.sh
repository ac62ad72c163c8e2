#!/usr/bin/env bash
# Makes sure the Debian packages the build needs are there. As root, installs what is missing;
# otherwise names it and stops.
set -euo pipefail

packages=(cmake ninja-build g++ g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 wine wine64
          libgtest-dev clang-14 libclang-rt-14-dev "$@")

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
    echo "Missing Debian packages: ${missing[*]}" >&2
    echo "Install them with:  sudo apt-get install -y ${missing[*]}" >&2
    exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
