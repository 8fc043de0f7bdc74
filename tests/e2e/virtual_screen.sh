# Sourced by the end-to-end tests: a work folder removed at the end, a virtual X screen of the
# game's size (or another), and a game process that never outlives the test.
#
# After sourcing: $work exists; startVirtualScreen sets DISPLAY (or skips the test); runGame
# starts the game in the background and sets game_pid.
skip() { echo "SKIPPED: $*"; exit 77; }
fail() { echo "FAILED: $*"; exit 1; }

work=$(mktemp -d)
xvfb_pid=
game_pid=
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# within SECONDS COMMAND...: runs the command every fifth of a second until it succeeds; false
# when it has not within the seconds.
within() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.2
    done
}
running() { kill -0 "$game_pid" 2>/dev/null; }
ended() { ! running; }

# startVirtualScreen [WIDTHxHEIGHT]: the game's size unless told.
startVirtualScreen() {
    command -v Xvfb >/dev/null || skip "Xvfb is missing"
    # -noreset: a server resets as its last client leaves, and a game starting just then finds
    # no screen; between the tests' short-lived clients that would happen often.
    Xvfb -displayfd 3 -screen 0 "${1:-1024x768}x24" -nolisten tcp -noreset 3>"$work/display" \
        2>"$work/xvfb.log" &
    xvfb_pid=$!
    within 10 test -s "$work/display" || skip "Xvfb did not start ($(tail -1 "$work/xvfb.log"))"
    export DISPLAY=":$(head -1 "$work/display")"
}

# runGame FOLDER COMMAND...: the game started in the folder, in the background, its output in
# $work/game.log.
runGame() {
    (cd "$1" && exec "${@:2}") >"$work/game.log" 2>&1 &
    game_pid=$!
}

# waitForEnd WHAT [STATUS]: the game must end by itself within 30 seconds, with the status
# (0 unless given).
waitForEnd() {
    local expected=${2:-0}
    within 30 ended || fail "the game did not end after $1"
    wait "$game_pid"
    local status=$?
    game_pid=
    [ "$status" -eq "$expected" ] ||
        { cat "$work/game.log"; fail "after $1 the game ended with status $status, not $expected"; }
    echo "after $1 the game ended with status $expected"
}
# quitTwice [WHAT]: Escape opens the menu, Escape again ends the game with status 0.
quitTwice() {
    xdotool key Escape sleep 0.3 key Escape
    waitForEnd "${1:-Escape twice}"
}

# replaysAlike SIMULATOR GAME_DIR: the simulator, playing the demo $work/demo, ends in exactly
# the state the game wrote beside it.
replaysAlike() {
    [ -s "$work/demo.json" ] || fail "no state was written beside the demo"
    "$1" --data "$2" --script "$work/demo" --dump "$work/replayed.json" ||
        fail "$1 could not play the demo"
    if ! cmp -s "$work/demo.json" "$work/replayed.json"; then
        diff <(tr ',' '\n' <"$work/demo.json") <(tr ',' '\n' <"$work/replayed.json") | head -20
        fail "the simulator's state differs from the recorded game's"
    fi
    echo "the simulator ends in the recorded state: $(grep -o '"frame": [0-9]*' "$work/demo.json")"
}
