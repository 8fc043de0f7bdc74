#!/usr/bin/env bash
# Runs the Windows pad test under Wine on a virtual X screen of the game's size, with a Wine
# server of its own and ALSA's null device for DirectSound.
#
# usage: pad_under_wine.sh PREFIX PROGRAM   (exit 77: skipped)
set -uo pipefail
export WINEPREFIX=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../e2e/virtual_screen.sh"
command -v wine >/dev/null || skip "wine is missing"

export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
{ cat /usr/share/alsa/alsa.conf; printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n'; } \
    >"$work/alsa.conf"
export ALSA_CONFIG_PATH=$work/alsa.conf
wineserver -k 2>/dev/null
startVirtualScreen
trap 'wineserver -k 2>/dev/null; cleanup' EXIT
wine "$2"
