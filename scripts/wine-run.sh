#!/usr/bin/env bash
# Runs one Windows program with the Wine loader given first (wine for 32-bit programs, wine64 for
# 64-bit ones); outside a Wine session it opens one for itself.
if [ -z "${QERNO_WINE_SESSION:-}" ]; then
    exec "$(dirname "${BASH_SOURCE[0]}")/wine-session.sh" "${BASH_SOURCE[0]}" "$@"
fi
exec "$@"
