#!/usr/bin/env bash
# Runs a Windows program of the build under Wine, in the build's own Wine prefix, quietly and
# without a screen (the unit tests need none).
#
# usage: wine_run.sh PREFIX PROGRAM [ARGUMENTS...]
set -euo pipefail
export WINEPREFIX=$1
shift
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY
exec wine "$@"
