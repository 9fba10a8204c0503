#!/usr/bin/env bash
# Runs one Windows program with the Wine loader given first (wine for 32-bit programs, wine64 for
# 64-bit ones), in the session it is run from or in one of its own.
exec "$(dirname "${BASH_SOURCE[0]}")/wine-session.sh" "$@"
