# Sourced by the end-to-end tests that look at the screen: screen grabs, and checks of screen
# points against the game's own pictures in $game_dir/Data while $game_pid runs.

# The colour of one pixel of a picture file or a screen grab, as six hex digits.
pixel() { convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- | grep -o '#[0-9A-Fa-f]\{6\}' | head -1; }
# Whether two colours are near: pictures of another palette are shown in the nearest colour.
near() {
    local a=$1 b=$2 d=0 i x
    for i in 1 3 5; do
        x=$((16#${a:i:2} - 16#${b:i:2}))
        d=$((d + x * x))
    done
    [ "$d" -le 1200 ]
}
grab() { import -window root "$work/screen.png" 2>/dev/null; }
# matches SCREEN_X SCREEN_Y PICTURE PICTURE_X PICTURE_Y...: every point of a new grab shows its
# picture; the game must still run.
matches() {
    running || fail "the game ended while waiting for $what"
    grab || return 1
    while [ $# -ge 5 ]; do
        near "$(pixel "$work/screen.png" "$1" "$2")" "$(pixel "$game_dir/Data/$3" "$4" "$5")" ||
            return 1
        shift 5
    done
}
# waitFor SECONDS WHAT POINTS...: grabs the screen until the points match.
waitFor() {
    local what=$2
    if ! within "$1" matches "${@:3}"; then
        cp "$work/screen.png" "${KESTRAVAN_E2E_KEEP:-/dev/null}" 2>/dev/null
        fail "$what did not show within $1 s"
    fi
    echo "seen: $what"
}

splash() {
    waitFor 20 "the splash" 100 100 Splash.bmp 100 100 900 700 Splash.bmp 900 700 \
        512 200 Splash.bmp 512 200
}
menu() {
    waitFor 10 "the menu" 100 100 Option.bmp 100 100 900 700 Option.bmp 900 700 \
        525 300 Option.bmp 525 300 525 470 Option.bmp 525 470
}
# The first game frame after the splash, with the cursor out of the way in the screen's
# top-left corner: the frame round the map and two kind icons.
gameFrame() {
    xdotool mousemove 2 2
    waitFor 20 "a game frame" 500 10 Frame_Top.bmp 500 10 10 300 Frame_Side_L.bmp 10 268 \
        1010 300 Frame_Side_R.bmp 18 268 20 620 Frame_Bottom.bmp 20 11 \
        960 650 Indian_Up.bmp 17 14 900 650 Cow_Down.bmp 17 14
}
