#!/usr/bin/env bash
# Gathers the comparison programs' "RATIO measure value" lines into one table on stdout, a line
# "measure<TAB>build<TAB>ratio" each. Arguments: the programs' output, one file per build, named
# after it (win32.txt, win64.txt).
set -euo pipefail
for output in "$@"; do
    build=$(basename "$output" .txt)
    tr -d '\r' <"$output" | awk -v build="$build" '$1 == "RATIO" { printf "%s\t%s\t%s\n", $2, build, $3 }'
done
