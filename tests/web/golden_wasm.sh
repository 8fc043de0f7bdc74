#!/usr/bin/env bash
# The golden replay in the simulator compiled to WebAssembly, under Node: its state dumps at
# the pinned frames must equal the native ones byte for byte.
#
#   tests/web/golden_wasm.sh WEB_BUILD_DIR GAME_DIR
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
golden="$here/../golden"
export sim="$(cd "$1" && pwd)/kestravan-sim.js"
export data=$(cd "$2" && pwd)
export script="$golden/replay.script"
export work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One replay for each pinned frame, as many at once as there are processors.
xargs -P "$(nproc)" -I FRAME sh -c 'node --no-experimental-fetch "$sim" --data "$data" \
    --frames FRAME --script "$script" --dump "$work/frame-FRAME.json"' \
    < <(printf '%s\n' $(cat "$golden/frames"))

failed=0
for frame in $(cat "$golden/frames"); do
    if ! cmp -s "$golden/expected/frame-$frame.json" "$work/frame-$frame.json"; then
        diff -u "$golden/expected/frame-$frame.json" "$work/frame-$frame.json" | head -40 || true
        echo "golden_wasm: frame $frame differs from the pinned dump" >&2
        failed=1
    fi
done
if [ "$failed" -ne 0 ]; then
    exit 1
fi
echo "golden_wasm: every pinned dump matches"
