#!/usr/bin/env bash
# Registers the sample gradient-fill plug-ins in the project's Wine prefix for the 64-bit demo,
# which finds them in bin/plugins/; outside a Wine session it opens one for itself.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
if [ -z "${QERNO_WINE_SESSION:-}" ]; then
    exec "$here/wine-session.sh" "$here/register-sample-plugins.sh"
fi
file=$(cd "$here/.." && pwd)/plugins/QernoSamplePlugIns.reg
/usr/lib/wine/wine64 reg import "Z:${file//\//\\}" /reg:64
