#!/usr/bin/env bash
# The start-up boxes on a virtual X screen. Without a sound output the game offers to play
# silently: Return plays on for this run only, and the game ends with status 0; SIGTERM while
# the box shows ends the game and the box with it; "Always play without sound" is kept in the
# settings, and the next start plays silently without asking. A sound missing from the game
# folder gets a box over the splash naming the file and the folder; Escape ends the game with
# status 1.
#
# usage: start_up_boxes.sh GAME_DIR   (exit 77: skipped)
set -uo pipefail

game_dir=$(realpath "$1")
source "$(dirname "$0")/virtual_screen.sh"
[ -d "$game_dir/Data" ] || fail "$game_dir has no Data/: the game_data target did not run"
for tool in xdotool xwininfo import convert; do
    command -v "$tool" >/dev/null || skip "$tool is missing"
done
startVirtualScreen
source "$(dirname "$0")/screen_checks.sh"
export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config
settings=$work/config/Brannoch/Kestravan/kestravan.ini

# start AUDIO_DRIVER ARGUMENTS...: the game in the background.
start() { runGame "$game_dir" env SDL_AUDIODRIVER="$1" ./kestravan "${@:2}"; }
# boxes TITLE: the ids of the windows with this title. xdotool cannot read the UTF-8
# titles SDL gives its boxes, so xwininfo names them.
boxes() { xwininfo -root -children | grep -F "\"$1\":" | awk '{print $1}'; }
noBox() { [ -z "$(boxes "$1")" ]; }
# box TITLE: the box with this title, shown within 10 seconds while the game runs: its id in
# $id, its size and place in $X $Y $WIDTH $HEIGHT.
boxShown() {
    id=$(boxes "$1" | head -1)
    [ -n "$id" ] && xwininfo -id "$id" | grep -q "IsViewable" && return
    running || { cat "$work/game.log"; fail "the game ended without the box '$1'"; }
    return 1
}
box() {
    within 10 boxShown "$1" || { cat "$work/game.log"; fail "no box '$1' showed"; }
    eval "$(xdotool getwindowgeometry --shell "$id")"
}

start no-such-driver
box "Kestravan - No sound"
xdotool windowfocus --sync "$id" key Return
gameFrame
quitTwice "Play without sound"
grep -q "playing without sound" "$work/game.log" || fail "the silent play went unsaid"
grep -q "^sound = off" "$settings" 2>/dev/null && fail "playing silently once was kept in the settings"

start no-such-driver
box "Kestravan - No sound"
kill -TERM "$game_pid"
waitForEnd "SIGTERM while the box showed" 143
within 5 noBox "Kestravan - No sound" || fail "the box outlived the game"

# The three buttons are alike and in the middle of the box, at its foot.
start no-such-driver
box "Kestravan - No sound"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT - 25)) click 1
gameFrame
quitTwice "Always play without sound"
grep -q "^sound = off " "$settings" || { cat "$settings"; fail "the silent choice was not kept"; }
start no-such-driver
gameFrame
quitTwice "a start with the silent choice kept"
grep -q "no sound output" "$work/game.log" && fail "the kept choice still tried the sound output"

mkdir -p "$work/game"
cp -r "$game_dir/Data" "$game_dir/Terrain.dat" "$work/game/"
rm "$work/game/Data/Cow.wav"
start dummy --data "$work/game"
box "Kestravan - Error"
xdotool windowfocus --sync "$id" key Escape
waitForEnd "Escape in the box of a missing sound" 1
grep -q "The file Data/Cow.wav is missing or damaged in the folder $work/game\." "$work/game.log" ||
    { cat "$work/game.log"; fail "the box did not name the file and its folder"; }
