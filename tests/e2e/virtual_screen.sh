# Sourced by the end-to-end tests: a work folder removed at the end, a virtual X screen of the
# game's size (or another), and a game process that never outlives the test.
#
# After sourcing: $work exists; startVirtualScreen sets DISPLAY (or skips the test); a test
# that starts the game in the background sets game_pid.
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

# startVirtualScreen [WIDTHxHEIGHT]: the game's size unless told.
startVirtualScreen() {
    command -v Xvfb >/dev/null || skip "Xvfb is missing"
    # -noreset: a server resets as its last client leaves, and a game starting just then finds
    # no screen; between the tests' short-lived clients that would happen often.
    Xvfb -displayfd 3 -screen 0 "${1:-1024x768}x24" -nolisten tcp -noreset 3>"$work/display" \
        2>"$work/xvfb.log" &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$work/display" ] && break
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    [ -s "$work/display" ] || skip "Xvfb did not start ($(tail -1 "$work/xvfb.log"))"
    export DISPLAY=":$(head -1 "$work/display")"
}

# waitForEnd WHAT [STATUS]: the game must end by itself within 30 seconds, with the status
# (0 unless given).
waitForEnd() {
    local expected=${2:-0}
    for _ in $(seq 300); do
        kill -0 "$game_pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$game_pid" 2>/dev/null && fail "the game did not end after $1"
    wait "$game_pid"
    local status=$?
    game_pid=
    [ "$status" -eq "$expected" ] ||
        { cat "$work/game.log"; fail "after $1 the game ended with status $status, not $expected"; }
    echo "after $1 the game ended with status $expected"
}
