#!/usr/bin/env bash
# The real game under a virtual X server with SDL's disk sound output: once set-up is done the
# wind blows, so the mix written to disk holds loud samples. Skips (exit 77) when there is no
# game data or no way to get an X server.
# usage: wind_in_the_real_game.sh BINARY GAME_FOLDER
set -uo pipefail

binary=$1
folder=$2
skip() {
    echo "skipped: $*"
    exit 77
}
[ -x "$binary" ] || skip "no game binary at $binary"
[ -f "$folder/Data/Wind.wav" ] || skip "no game data in $folder (build the game_data target)"
command -v xvfb-run >/dev/null 2>&1 || skip "xvfb-run is not installed"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mix=$scratch/mix.raw

# The splash holds two seconds before the wind; give the game six in all.
cd "$folder" || exit 1
XDG_DATA_HOME=$scratch/data SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$mix \
    xvfb-run -a -s "-screen 0 1024x768x24" \
    sh -c 'echo $$ > "$1"; exec "$2"' game "$scratch/pid" "$binary" &
runner=$!
sleep 6
# Asked to end, SDL closes the window and the game ends the ordinary way.
game=$(cat "$scratch/pid" 2>/dev/null)
if [ -n "$game" ]; then
    kill -TERM "$game" 2>/dev/null
    for _ in $(seq 50); do
        kill -0 "$game" 2>/dev/null || break
        sleep 0.2
    done
    kill -KILL "$game" 2>/dev/null
fi
wait "$runner"

[ -s "$mix" ] || { echo "FAILED: the game wrote no sound at all"; exit 1; }
# 16-bit stereo at 22050 Hz: count the samples clearly above silence.
loud=$(od -An -v -td2 -w2 "$mix" | awk '{ if ($1 > 1000 || $1 < -1000) n++ } END { print n + 0 }')
echo "$loud loud samples in $(($(stat -c %s "$mix") / 2))"
[ "$loud" -gt 2000 ] || { echo "FAILED: the wind was not heard"; exit 1; }
