#!/usr/bin/env bash
# The start-up boxes on a virtual X screen: without a sound output the game offers to play
# silently and, with Return, plays on and ends with status 0 on Escape twice; SIGTERM ends it
# while that box shows; a missing sound gets a box naming the file and its folder, which
# Escape closes, ending with status 1. The window's class is the desktop entry's name.
#
# usage: start_up_boxes.sh GAME_DIR   (exit 77: skipped)
set -uo pipefail

game_dir=$(realpath "$1")
source "$(dirname "$0")/virtual_screen.sh"
[ -d "$game_dir/Data" ] || skip "the build has no game data"
command -v xdotool >/dev/null || skip "xdotool is missing"
startVirtualScreen
export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config

# start AUDIO_DRIVER ARGUMENTS...: the game in the background, from an unrelated folder.
start() {
    local driver=$1
    shift
    mkdir -p "$work/unrelated"
    (cd "$work/unrelated" && SDL_AUDIODRIVER=$driver exec "$game_dir/kestravan" --windowed "$@") \
        >"$work/game.log" 2>&1 &
    game_pid=$!
}
# box TITLE: the id of the shown window with this title, within 10 seconds, in $id.
box() {
    local id
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1)
        [ -n "$id" ] && return
        kill -0 "$game_pid" 2>/dev/null || break
        sleep 0.1
    done
    cat "$work/game.log" >&2
    fail "no box '$1' showed"
}
# press ID KEY: the key, with the window focused.
press() { xdotool windowfocus --sync "$1" key "$2"; }
# ended STATUS WHAT: the game has ended within 10 seconds with the status.
ended() {
    for _ in $(seq 100); do
        kill -0 "$game_pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$game_pid" 2>/dev/null && fail "the game did not end after $2"
    wait "$game_pid"
    local status=$?
    game_pid=
    [ "$status" -eq "$1" ] || { cat "$work/game.log"; fail "after $2 the game ended with $status, not $1"; }
    echo "after $2 the game ended with status $1"
}

start no-such-driver
box "Kestravan - No sound"
press "$id" Return
for _ in $(seq 100); do
    xdotool search --onlyvisible --class net.brannoch.Kestravan >/dev/null 2>&1 && break
    sleep 0.1
done
xdotool search --onlyvisible --class net.brannoch.Kestravan >/dev/null ||
    { cat "$work/game.log"; fail "no window of the class net.brannoch.Kestravan"; }
sleep 3 # the splash, then a few frames of play
kill -0 "$game_pid" 2>/dev/null || { cat "$work/game.log"; fail "the game did not play on without sound"; }
xdotool key Escape
sleep 0.3
xdotool key Escape
ended 0 "playing without sound"
grep -q "playing without sound" "$work/game.log" || fail "the silent choice went unsaid"

start no-such-driver
box "Kestravan - No sound"
kill -TERM "$game_pid"
ended 143 "SIGTERM while a box showed"

cp -r "$game_dir/Data" "$game_dir/Terrain.dat" "$work/unrelated/"
rm "$work/unrelated/Data/Cow.wav"
start dummy --data "$work/unrelated"
box "Kestravan - Error"
press "$id" Escape
ended 1 "Escape in the error box"
grep -q "DirectSound Create FAILED" "$work/game.log" || fail "the box lost the game's own line"
grep -q "The file Data/Cow.wav is missing or damaged in the folder $work/unrelated\." "$work/game.log" ||
    { cat "$work/game.log"; fail "the box did not name the file and its folder"; }
