#!/usr/bin/env bash
# Runs one Windows program under Wine; outside a Wine session it opens one for itself.
if [ -z "${QERNO_WINE_SESSION:-}" ]; then
    exec "$(dirname "${BASH_SOURCE[0]}")/wine-session.sh" "${BASH_SOURCE[0]}" "$@"
fi
exec /usr/lib/wine/wine64 "$@"
