#!/usr/bin/env bash
# Runs a command inside the project's Wine session: a private prefix and HOME under build/,
# one wineserver kept alive for the whole run, and Xvfb when there is no display.
set -euo pipefail

# A command run from within a session joins it.
if [ -n "${QERNO_WINE_SESSION:-}" ]; then
    exec "$@"
fi

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
wine_dir=${QERNO_WINE_DIR:-$root/build/wine}
wine_bin=/usr/lib/wine

export WINEPREFIX=$wine_dir/prefix
export HOME=$wine_dir/home
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
# A program that crashes ends there: Wine's debugger would otherwise hold it open for good.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winedbg.exe=d"
export QERNO_WINE_SESSION=1

mkdir -p "$HOME"
# Sound goes to ALSA's null device: the machines have no sound card.
printf 'pcm.!default { type null }\n' >"$HOME/.asoundrc"

xvfb_pid=""
cleanup() {
    "$wine_bin/wineserver" -k 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

if [ -z "${DISPLAY:-}" ]; then
    display_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$display_file" ] && break
        sleep 0.1
    done
    export DISPLAY=":$(head -n1 "$display_file")"
    rm -f "$display_file"
fi

# A prefix made before 32-bit Wine was installed has no 32-bit system and never gains one.
if [ -f "$WINEPREFIX/.qerno-ready" ] && [ ! -f "$WINEPREFIX/drive_c/windows/syswow64/kernel32.dll" ]; then
    echo "Making the Wine prefix anew: it cannot run 32-bit programs"
    rm -rf "$WINEPREFIX"
fi
if [ ! -f "$WINEPREFIX/.qerno-ready" ]; then
    echo "Creating the Wine prefix in $WINEPREFIX"
    "$wine_bin/wine64" wineboot -i >/dev/null 2>&1
    # Without a window manager Wine otherwise waits about 2 s for every dialog that closes.
    "$wine_bin/wine64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    "$wine_bin/wineserver" -w
    touch "$WINEPREFIX/.qerno-ready"
fi

"$wine_bin/wineserver" -p
# Wine's own services outlive the program that starts them; started here, they do not hold
# the output pipes of the first test open (ctest would wait on them until the end).
"$wine_bin/wine64" wineboot -u </dev/null >/dev/null 2>&1
"$@"
