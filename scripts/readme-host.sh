#!/usr/bin/env bash
# Builds the host project the README gives (the cmake and cpp blocks after its "readme-host"
# marker) against each SDK laid out under BUILD/dist (make test lays them out first), with the
# toolchain file the SDK ships, and runs it under Wine: the README's host must start as written.
#   scripts/readme-host.sh BUILD ARCH...      ARCH is win32 or win64
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(cd "$1" && pwd)
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The first fenced block of the language after the marker.
block() {
    awk -v language="$1" '
        /<!-- readme-host/ { marked = 1 }
        marked && inside && /^```/ { exit }
        inside { print }
        marked && $0 == "```" language { inside = 1 }' "$root/README.md"
}
block cmake >"$work/CMakeLists.txt"
block cpp >"$work/host.cpp"
if [ ! -s "$work/CMakeLists.txt" ] || [ ! -s "$work/host.cpp" ]; then
    echo "readme-host: README.md has no cmake and cpp blocks after its readme-host marker" >&2
    exit 1
fi

declare -A loader=([win32]=/usr/lib/wine/wine [win64]=/usr/lib/wine/wine64)
for arch in "$@"; do
    sdk=$build/dist/$arch
    toolchain=$(echo "$sdk"/lib/cmake/Qerno/toolchain-*.cmake)
    cmake -S "$work" -B "$work/build-$arch" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_PREFIX_PATH="$sdk" >/dev/null
    cmake --build "$work/build-$arch" >/dev/null
    # A box left open by a failed start-up would hold the run: the watchdog ends it.
    status=0
    (cd "$work/build-$arch" && timeout -k 10 120 "$root/scripts/wine-session.sh" \
        "${loader[$arch]}" host.exe) || status=$?
    if [ "$status" -ne 0 ]; then
        echo "readme-host: the README's host built from $sdk exited with $status" >&2
        exit 1
    fi
    echo "readme-host: the README's host built from $sdk runs"
done
