# Sourced by the end-to-end tests that look at the screen: screen grabs, and checks of screen
# points against the game's own pictures in $game_dir/Data while $game_pid runs.

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

# The first game frame after the splash: the frame round the map and two kind icons.
gameFrame() {
    waitFor 20 "a game frame" 500 10 Frame_Top.bmp 500 10 10 300 Frame_Side_L.bmp 10 268 \
        1010 300 Frame_Side_R.bmp 18 268 20 620 Frame_Bottom.bmp 20 11 \
        960 650 Indian_Up.bmp 17 14 900 650 Cow_Down.bmp 17 14
}
