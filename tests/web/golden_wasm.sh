#!/usr/bin/env bash
# The golden replays in the simulator compiled to WebAssembly, under Node: for every pinned game
# of tests/golden, its state dumps at the pinned frames must equal the native ones byte for byte.
#
#   tests/web/golden_wasm.sh WEB_BUILD_DIR GAME_DIR
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
export golden=$(cd "$here/../golden" && pwd)
export sim="$(cd "$1" && pwd)/kestravan-sim.js"
export data=$(cd "$2" && pwd)
export work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One replay for each pinned frame of each game, as many at once as there are processors, each
# compared with its pinned dump; a line of the list is "GAME FRAME".
games=$(cd "$golden" && for game in */; do [ -f "$game/replay.script" ] && echo "${game%/}"; done)
for game in $games; do
    for frame in $(cat "$golden/$game/frames"); do
        echo "$game $frame"
    done
done | xargs -P "$(nproc)" -L 1 sh -c 'options=$(cat "$golden/$0/sim-options" 2>/dev/null || true)
    pinned=$golden/$0/expected/frame-$1.json dump=$work/$0-frame-$1.json
    node --no-experimental-fetch "$sim" --data "$data" $options --frames "$1" \
        --script "$golden/$0/replay.script" --dump "$dump" && cmp -s "$pinned" "$dump" && exit 0
    diff -u "$pinned" "$dump" | head -40
    echo "golden_wasm: $0 frame $1 differs from the pinned dump" >&2
    exit 1' || exit 1
echo "golden_wasm: every pinned dump of $(echo $games) matches"
