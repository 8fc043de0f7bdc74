#!/usr/bin/env bash
# The game as a player installs it: cmake --install into a temporary prefix (and once more
# under DESTDIR) places the binary, the data, a valid desktop entry, the icons, valid AppStream
# metainfo and the manual page; the installed game, started by its full path from an unrelated
# folder under a virtual X server, finds its data and ends with status 0 on Escape twice; the
# uninstall then leaves no file behind.
#
# usage: installed_game.sh BUILD_DIR SOURCE_DIR   (exit 77: skipped)
set -uo pipefail

build=$1
source_dir=$2
source "$(dirname "$0")/virtual_screen.sh"
[ -d "$build/game/Data" ] || skip "the build has no game data"
command -v xdotool >/dev/null || skip "xdotool is missing"

prefix=$work/prefix
install() {
    DESTDIR=${2:-} cmake --install "$build" --prefix "$1" >"$work/install.log" 2>&1 ||
        { cat "$work/install.log"; fail "cmake --install into $1 failed"; }
}
install "$prefix"
cp "$build/install_manifest.txt" "$work/installed-files.txt"
expected=(
    bin/kestravan share/kestravan/Terrain.dat share/kestravan/Data/Frame_Top.bmp
    share/kestravan/Data/Icon.bmp share/applications/net.brannoch.Kestravan.desktop
    share/metainfo/net.brannoch.Kestravan.metainfo.xml share/man/man6/kestravan.6
)
for size in 32 48 128 256; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/kestravan.png")
done
for file in "${expected[@]}"; do
    [ -f "$prefix/$file" ] || fail "the install lacks $file"
done
echo "installed: ${#expected[@]} files checked, $(find "$prefix" -type f | wc -l) in all"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/net.brannoch.Kestravan.desktop" ||
        fail "the desktop entry does not validate"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$prefix/share/metainfo/net.brannoch.Kestravan.metainfo.xml" \
        >"$work/appstream.log" 2>&1 || { cat "$work/appstream.log"; fail "the metainfo does not validate"; }
fi

# DESTDIR puts the same files under the staging folder.
install /usr "$work/stage"
[ -x "$work/stage/usr/bin/kestravan" ] || fail "DESTDIR was not honoured"
[ "$(find "$work/stage" -type f | wc -l)" -eq "$(find "$prefix" -type f | wc -l)" ] ||
    fail "DESTDIR placed another set of files"

startVirtualScreen
mkdir -p "$work/unrelated"
runGame "$work/unrelated" env XDG_DATA_HOME="$work/home" SDL_AUDIODRIVER=dummy "$prefix/bin/kestravan"
within 10 xdotool search --name Gustwerk >/dev/null 2>&1
sleep 3 # the splash, then a few frames of play
running || { cat "$work/game.log"; fail "the installed game ended early"; }
quitTwice
grep -q "missing" "$work/game.log" && { cat "$work/game.log"; fail "the installed game missed files"; }

"$source_dir/scripts/uninstall" "$work/installed-files.txt" >/dev/null || fail "uninstall failed"
left=$(find "$prefix" -type f)
[ -z "$left" ] || fail "the uninstall left files behind: $left"
[ -e "$prefix/share/kestravan" ] && fail "the uninstall left the game's data folder"
echo "the uninstall removed every file it installed"
