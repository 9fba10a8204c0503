#!/usr/bin/env bash
# The SDK's CMake package refuses a host of the other bitness: configuring the example host with
# the x86_64 toolchain against the 32-bit package must fail and say why.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build}
sdk=$build/dist/win32
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

rm -rf "$sdk"
cmake --install "$build/win32" --prefix "$sdk" --component sdk >/dev/null
if output=$(cmake -S "$root/examples/host" -B "$work" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-x86_64-w64-mingw32.cmake" \
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
