#!/usr/bin/env bash
# The SDK's 32-bit CMake package refuses a 64-bit host (with the 64-bit SDK's toolchain file) with
# the reason, and the example host built from it (by make test, before this) is a 32-bit program
# importing Qerno.dll.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
sdk=$build/dist/win32
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if output=$(cmake -S "$root/examples/host" -B "$work" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$build/dist/win64/lib/cmake/Qerno/toolchain-x86_64-w64-mingw32.cmake" \
        -DCMAKE_PREFIX_PATH="$sdk" 2>&1); then
    echo "check-package-arch: a 64-bit host accepted the 32-bit package" >&2
    exit 1
fi
if ! grep -q "is the 32-bit build; this project is 64-bit" <<<"$output"; then
    printf '%s\n' "$output" >&2
    echo "check-package-arch: the refusal does not name the two bitnesses" >&2
    exit 1
fi
echo "check-package-arch: the 32-bit package refuses a 64-bit host"

headers=$(i686-w64-mingw32-objdump -p "$build/example-win32/host.exe")
if ! grep -q "file format pei-i386" <<<"$headers" || ! grep -q "DLL Name: Qerno.dll" <<<"$headers"; then
    echo "check-package-arch: the 32-bit example host is not a 32-bit program importing Qerno.dll" >&2
    exit 1
fi
echo "check-package-arch: the 32-bit example host is a 32-bit program importing Qerno.dll"
