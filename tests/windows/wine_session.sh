#!/usr/bin/env bash
# The Wine prefix the Windows tests run in, and one Wine server kept alive for all of them:
# when the server ends between two test programs, the next one can fail at random.
#
# usage: wine_session.sh start|stop PREFIX
set -euo pipefail
action=$1
export WINEPREFIX=$2 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

case $action in
start)
    command -v wine >/dev/null || { echo "wine is not installed"; exit 1; }
    unset DISPLAY
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "making the Wine prefix $WINEPREFIX"
        mkdir -p "$WINEPREFIX"
        wine wineboot -i >/dev/null 2>&1
        # GDI drawing: with the default OpenGL renderer every copy to the screen is a
        # hundred times slower.
        wine reg add 'HKCU\Software\Wine\Direct3D' /v renderer /d gdi /f >/dev/null 2>&1
    fi
    wineserver -p </dev/null >/dev/null 2>&1 &
    wine cmd /c exit </dev/null >/dev/null 2>&1
    ;;
stop)
    wineserver -k 2>/dev/null || true
    ;;
*)
    echo "usage: wine_session.sh start|stop PREFIX" >&2
    exit 2
    ;;
esac
