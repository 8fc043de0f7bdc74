#!/usr/bin/env bash
# The Wine prefix the Windows tests run in, and the Wine servers they run under:
#   start   makes the prefix if need be and starts one Wine server, kept alive for all the unit
#           tests: when the server ends between two test programs, the next one can fail at
#           random.
#   stop    ends it.
#   run     a test program under that server, quietly and without a screen (the unit tests
#           need none).
#   screen  a test program on a virtual X screen of the game's size (or of SCREEN's), with a
#           Wine server of its own: a program that makes the game's window needs a screen.
#
# usage: wine_session.sh start|stop PREFIX
#        [SCREEN=1920x1080] wine_session.sh run|screen PREFIX PROGRAM [ARGUMENTS...]
#        (exit 77: skipped)
set -uo pipefail
action=$1
export WINEPREFIX=$2 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
shift 2

case $action in
start)
    set -e
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
run)
    unset DISPLAY
    exec wine "$@"
    ;;
screen)
    source "$(dirname "$0")/../e2e/virtual_screen.sh"
    command -v wine >/dev/null || skip "wine is missing"
    # A Wine server started without a screen cannot make windows: this run starts its own.
    wineserver -k 2>/dev/null
    startVirtualScreen "${SCREEN:-1024x768}"
    trap 'wineserver -k 2>/dev/null; cleanup' EXIT
    wine "$@"
    ;;
*)
    echo "usage: wine_session.sh start|stop|run|screen PREFIX [PROGRAM [ARGUMENTS...]]" >&2
    exit 2
    ;;
esac
