#!/usr/bin/env bash
# Runs a Windows test program of the build under Wine on a virtual X screen of the game's size
# (or of SCREEN's), with a Wine server of its own: a program that makes the game's window needs
# a screen.
#
# usage: [SCREEN=1920x1080] on_screen_run.sh PREFIX PROGRAM [ARGUMENTS...]   (exit 77: skipped)
set -uo pipefail
export WINEPREFIX=$1
shift
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../e2e/virtual_screen.sh"
command -v wine >/dev/null || skip "wine is missing"

export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# A Wine server started without a screen cannot make windows: this run starts its own.
wineserver -k 2>/dev/null
startVirtualScreen "${SCREEN:-1024x768}"
trap 'wineserver -k 2>/dev/null; cleanup' EXIT
wine "$@"
