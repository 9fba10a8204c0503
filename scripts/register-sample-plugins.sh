#!/usr/bin/env bash
# Registers the sample gradient-fill plug-ins in the project's Wine prefix for the demo of the
# build named (win64 or win32), which finds them in bin/plugins/: a 32-bit program reads the
# registry's 32-bit view. Outside a Wine session it opens one for itself.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
arch=${1:-win64}
if [ -z "${QERNO_WINE_SESSION:-}" ]; then
    exec "$here/wine-session.sh" "$here/register-sample-plugins.sh" "$arch"
fi
view=64
[ "$arch" = win32 ] && view=32
file=$(cd "$here/.." && pwd)/plugins/QernoSamplePlugIns.reg
/usr/lib/wine/wine64 reg import "Z:${file//\//\\}" /reg:$view
