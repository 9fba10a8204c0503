#!/usr/bin/env bash
# Installs with apt-get only what the build, the tests, the demo and the API reference need and
# is missing; with package names as arguments, only those (make docs asks for doxygen alone).
set -euo pipefail

packages=(
    cmake ninja-build clang libclang-rt-14-dev googletest libbenchmark-dev libstb-dev
    g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
    wine64 wine32:i386 xvfb doxygen
)
[ $# -gt 0 ] && packages=("$@")

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo=sudo
# The 32-bit product runs under wine32, an i386 package: its architecture must be known to dpkg
# before the package lists are read.
if [[ " ${missing[*]} " == *":i386 "* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
