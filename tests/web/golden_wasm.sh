#!/usr/bin/env bash
# The golden replays in the simulator compiled to WebAssembly, under Node: for every pinned game
# of tests/golden, its state dumps at the pinned frames must equal the native ones byte for byte.
#
#   tests/web/golden_wasm.sh WEB_BUILD_DIR GAME_DIR
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
golden=$(cd "$here/../golden" && pwd)
export sim="$(cd "$1" && pwd)/kestravan-sim.js"
export data=$(cd "$2" && pwd)
export golden
export work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One replay for each pinned frame of each game, as many at once as there are processors; a
# line of the list is "GAME FRAME".
games=$(cd "$golden" && for game in */; do [ -f "$game/replay.script" ] && echo "${game%/}"; done)
for game in $games; do
    mkdir -p "$work/$game"
    for frame in $(cat "$golden/$game/frames"); do
        echo "$game $frame"
    done
done | xargs -P "$(nproc)" -L 1 sh -c 'options=$(cat "$golden/$0/sim-options" 2>/dev/null || true)
    node --no-experimental-fetch "$sim" --data "$data" $options --frames "$1" \
        --script "$golden/$0/replay.script" --dump "$work/$0/frame-$1.json"'

failed=0
for game in $games; do
    for frame in $(cat "$golden/$game/frames"); do
        if ! cmp -s "$golden/$game/expected/frame-$frame.json" "$work/$game/frame-$frame.json"; then
            diff -u "$golden/$game/expected/frame-$frame.json" "$work/$game/frame-$frame.json" |
                head -40 || true
            echo "golden_wasm: $game frame $frame differs from the pinned dump" >&2
            failed=1
        fi
    done
done
if [ "$failed" -ne 0 ]; then
    exit 1
fi
echo "golden_wasm: every pinned dump of $(echo $games) matches"
