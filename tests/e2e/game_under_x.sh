#!/usr/bin/env bash
# The real game on a real (virtual) X screen: it starts, shows the splash, then game frames;
# Escape opens the menu; a click on Quit ends it with status 0. Started again, Escape twice
# ends it with status 0 too. The screen is read back with a screen grab and compared, point by
# point, with the game's own pictures.
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

mkdir -p "$work/store"
startGame() {
    (cd "$game_dir" && XDG_DATA_HOME="$work/store" SDL_AUDIODRIVER=dummy exec ./kestravan) \
        >"$work/game.log" 2>&1 &
    game_pid=$!
}

startGame
# The cursor stays out of the way in the screen's top-left corner.
xdotool mousemove 2 2
waitFor 10 "the splash" 100 100 Splash.bmp 100 100 900 700 Splash.bmp 900 700 \
    512 200 Splash.bmp 512 200
gameFrame

xdotool key Escape
waitFor 10 "the menu" 100 100 Option.bmp 100 100 900 700 Option.bmp 900 700 \
    525 300 Option.bmp 525 300 525 470 Option.bmp 525 470

xdotool mousemove 525 470
sleep 0.5
xdotool click 1
waitForEnd "a click on Quit"

startGame
xdotool mousemove 2 2
gameFrame
xdotool key Escape
sleep 0.3
xdotool key Escape
waitForEnd "Escape twice"
