#!/usr/bin/env bash
# A module may import Windows system DLLs only; the product also targets subsystem 4.0.
set -euo pipefail
objdump=$1 dll=$2 subsystem=${3:-}

system_dlls='^(kernel32|user32|gdi32|advapi32|winmm|comdlg32|shell32|msvcrt)\.dll$'
headers=$("$objdump" -p "$dll")
status=0
while read -r name; do
    if ! tr 'A-Z' 'a-z' <<<"$name" | grep -Eq "$system_dlls"; then
        echo "FAILED: $(basename "$dll") imports $name, not a Windows system DLL"
        status=1
    fi
done < <(sed -n 's/^\s*DLL Name: //p' <<<"$headers")

if [ -n "$subsystem" ]; then
    found="$(sed -n 's/^MajorSubsystemVersion\s*//p' <<<"$headers").$(sed -n 's/^MinorSubsystemVersion\s*//p' <<<"$headers")"
    if [ "$found" != "$subsystem" ]; then
        echo "FAILED: $(basename "$dll") has subsystem version $found, not $subsystem"
        status=1
    fi
fi
[ $status -eq 0 ] && echo "$(basename "$dll"): imports system DLLs only"
exit $status
