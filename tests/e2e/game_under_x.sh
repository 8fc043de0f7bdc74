#!/usr/bin/env bash
# The real game on a virtual X screen: the splash, game frames, the menu's Quit and Escape
# twice, each seen in screen grabs compared point by point with the game's own pictures.
#
# usage: game_under_x.sh GAME_DIR DATA_EXPECTED   (exit 77: skipped)
set -uo pipefail

game_dir=$1
data_expected=${2:-0}
source "$(dirname "$0")/virtual_screen.sh"

[ -x "$game_dir/kestravan" ] || fail "no game binary in $game_dir"
if [ ! -d "$game_dir/Data" ]; then
    [ "$data_expected" = 1 ] && fail "$game_dir has no Data/: the game_data target did not run"
    skip "$game_dir has no Data/ and this build has no data generator yet"
fi
for tool in Xvfb xdotool import convert; do
    command -v "$tool" >/dev/null || skip "no X server can be had here: $tool is missing"
done

# A screen of the game's own size, so that screen and game pixels are the same.
startVirtualScreen
source "$(dirname "$0")/screen_checks.sh"
export XDG_DATA_HOME=$work/store SDL_AUDIODRIVER=dummy

runGame "$game_dir" ./kestravan
xdotool mousemove 2 2
splash
gameFrame
xdotool key Escape
menu
xdotool mousemove 525 470 sleep 0.5 click 1
waitForEnd "a click on Quit"

runGame "$game_dir" ./kestravan
gameFrame
quitTwice
