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

# The colour of one pixel of a picture file or a screen grab, as six hex digits.
pixel() { convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- | grep -o '#[0-9A-Fa-f]\{6\}' | head -1; }
# Whether two colours are near: pictures of another palette are shown in the nearest colour.
near() {
    local a=$1 b=$2
    local d=0 i
    for i in 1 3 5; do
        local x=$((16#${a:i:2} - 16#${b:i:2}))
        d=$((d + x * x))
    done
    [ "$d" -le 1200 ]
}
grab() { import -window root "$work/screen.png" 2>/dev/null; }
# matches SCREEN_X SCREEN_Y PICTURE PICTURE_X PICTURE_Y...: every point shows its picture.
matches() {
    while [ $# -ge 5 ]; do
        near "$(pixel "$work/screen.png" "$1" "$2")" "$(pixel "$game_dir/Data/$3" "$4" "$5")" ||
            return 1
        shift 5
    done
}
# waitFor SECONDS WHAT POINTS...: grabs the screen until the points match.
waitFor() {
    local seconds=$1 what=$2
    shift 2
    local deadline=$((SECONDS + seconds))
    while [ $SECONDS -lt $deadline ]; do
        kill -0 "$game_pid" 2>/dev/null || fail "the game ended while waiting for $what"
        grab && matches "$@" && { echo "seen: $what"; return 0; }
        sleep 0.2
    done
    cp "$work/screen.png" "${KESTRAVAN_E2E_KEEP:-/dev/null}" 2>/dev/null
    fail "$what did not show within $seconds s"
}

mkdir -p "$work/store"
startGame() {
    (cd "$game_dir" && XDG_DATA_HOME="$work/store" SDL_AUDIODRIVER=dummy exec ./kestravan) \
        >"$work/game.log" 2>&1 &
    game_pid=$!
}
gameFrame() {
    waitFor 20 "a game frame" 500 10 Frame_Top.bmp 500 10 10 300 Frame_Side_L.bmp 10 268 \
        1010 300 Frame_Side_R.bmp 18 268 20 620 Frame_Bottom.bmp 20 11 \
        960 650 Indian_Up.bmp 17 14 900 650 Cow_Down.bmp 17 14
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
