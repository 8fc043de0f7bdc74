#!/usr/bin/env bash
# A demo recorded from the real game under a virtual X server, driven by xdotool: started in
# a window without sound, the whirlwind is steered by the keys and the right button, Alt+Enter
# takes the game to full screen, the panel's throw controls are worked for every kind (a figure
# flies when one of that kind was caught), F12 takes a screenshot, and Escape twice ends the
# game. kestravan-sim plays the recorded demo and must end in exactly the state the game wrote
# beside it, silent sounds and all; the game then shows the demo itself and ends with it.
#
# usage: demo_round_trip.sh GAME_DIR SIM   (exit 77: skipped)
set -uo pipefail

game_dir=$1
sim=$2
source "$(dirname "$0")/virtual_screen.sh"
[ -d "$game_dir/Data" ] || skip "$game_dir has no Data/"
command -v xdotool >/dev/null || skip "xdotool is missing"
startVirtualScreen
export XDG_DATA_HOME="$work/home" SDL_AUDIODRIVER=dummy

# click X Y [SECONDS]: the left button pressed there and released after a while.
click() {
    xdotool mousemove "$1" "$2" mousedown 1
    sleep "${3:-0.05}"
    xdotool mouseup 1
}

"$game_dir/kestravan" --windowed --no-sound --record "$work/demo" >"$work/game.log" 2>&1 &
game_pid=$!
sleep 3.5 # the splash
# The chase: left and down with the right button held far to the left, then along the row.
xdotool mousemove 200 500 keydown Left keydown Down mousedown 3
sleep 0.7
xdotool keyup Down mousemove 200 288
sleep 0.7
xdotool keydown Right keydown Down mousemove 700 500
sleep 0.5
xdotool keyup Right mousemove 480 500 keyup Down mouseup 3
sleep 0.2
xdotool keyup Left
xdotool key alt+Return
# A throw of every kind: the kind, the speed gauge, then the direction.
for kind in "973 666" "973 726" "913 666" "913 726"; do
    click $kind
    click 853 696 0.6
    click 763 696 0.3
done
xdotool key F12
sleep 0.5
xdotool key Escape
sleep 0.3
xdotool key Escape
waitForEnd "Escape twice while recording"
settings=$XDG_DATA_HOME/Brannoch/Kestravan
grep -q '^mode = fullscreen' "$settings/kestravan.ini" ||
    fail "Alt+Enter did not write full screen into the settings"
shot=$(sed -n 's/^Screenshot: //p' "$work/game.log")
[ -f "$shot" ] && [ "$(head -c 4 "$shot" | tail -c 3)" = PNG ] ||
    fail "F12 wrote no screenshot ($(cat "$work/game.log"))"

[ -s "$work/demo.json" ] || fail "no state was written beside the demo"
"$sim" --data "$game_dir" --script "$work/demo" --dump "$work/replayed.json" ||
    fail "kestravan-sim could not play the demo"
if ! cmp -s "$work/demo.json" "$work/replayed.json"; then
    diff <(tr ',' '\n' <"$work/demo.json") <(tr ',' '\n' <"$work/replayed.json") | head -20
    fail "the simulator's state differs from the recorded game's"
fi
echo "the simulator ends in the recorded state: $(grep -o '"frame": [0-9]*' "$work/demo.json")"
grep -o '"caught": \[[^]]*\]\|"score": [0-9]*\|"sounds": {[^}]*}' "$work/demo.json"

# The game shows the demo at its pace and ends with it.
"$game_dir/kestravan" --play "$work/demo" >"$work/game.log" 2>&1 &
game_pid=$!
waitForEnd "the demo was shown"
echo "the demo was shown and the game ended with status 0"
