#!/usr/bin/env bash
# Compares a DLL's export table with the committed list of the names it must export:
# on i686 a __stdcall C++ export carries its argument bytes as @N.
set -euo pipefail
objdump=$1 dll=$2 expected=$3

actual=$(mktemp)
trap 'rm -f "$actual"' EXIT
"$objdump" -p "$dll" |
    sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' |
    sed -n 's/^\s*\[\s*[0-9]*\] \(.*\)$/\1/p' | LC_ALL=C sort >"$actual"

if ! diff -u <(grep -v '^#' "$expected" | LC_ALL=C sort) "$actual"; then
    echo "FAILED: the exports of $(basename "$dll") differ from $(basename "$expected") (- expected, + found)"
    exit 1
fi
echo "$(basename "$dll"): $(wc -l <"$actual") exports as expected"
