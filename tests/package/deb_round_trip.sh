#!/usr/bin/env bash
# The Debian package as a player meets it: lintian finds no error in it; installed with
# apt-get it plays a short game under a virtual X screen as /usr/games/kestravan from an
# unrelated folder, ending with status 0 on Escape twice; apt-get remove leaves none of its
# files. The install needs root: without it, only lintian runs and the rest says it skipped.
#
# usage: deb_round_trip.sh PACKAGE.deb
set -uo pipefail

deb=$(realpath "$1")
source "$(dirname "$0")/../e2e/virtual_screen.sh"
[ -f "$deb" ] || fail "no package at $1"

lintian --fail-on error "$deb" >"$work/lintian.log" 2>&1 || { cat "$work/lintian.log"; fail "lintian found errors"; }
echo "lintian: no error ($(grep -c '^W:' "$work/lintian.log") warnings)"

[ "$(id -u)" -eq 0 ] || skip "installing the package needs root; lintian passed"
dpkg-query -W kestravan >/dev/null 2>&1 && skip "kestravan is installed already; not touching it"
files=$(dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' | grep -v '/$')
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >"$work/apt.log" 2>&1 ||
    { cat "$work/apt.log"; fail "apt-get install failed"; }
removePackage() { DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq kestravan >"$work/apt.log" 2>&1; }
trap 'removePackage; cleanup' EXIT
[ -x /usr/games/kestravan ] || fail "no /usr/games/kestravan after the install"

startVirtualScreen
mkdir -p "$work/unrelated"
runGame "$work/unrelated" env HOME="$work/home" SDL_AUDIODRIVER=dummy /usr/games/kestravan --windowed
sleep 5 # the splash, then a few frames of play
running || { cat "$work/game.log"; fail "the installed game ended early"; }
quitTwice

removePackage || { cat "$work/apt.log"; fail "apt-get remove failed"; }
trap cleanup EXIT
left=
for file in $files; do
    [ -e "$file" ] && left="$left $file"
done
[ -z "$left" ] || fail "apt-get remove left:$left"
echo "apt-get remove left none of the package's $(echo "$files" | wc -l) files"
