#!/usr/bin/env bash
# The Windows game, kestravan.exe, under Wine on a virtual X screen:
#   play      the splash, then a first game frame that matches the simulator's point for point;
#             the arrow keys and the right mouse button move the whirlwind; Escape opens the
#             menu, Resume closes it, Escape twice ends the game with status 0.
#   registry  the best score is read from and written to the registry: -5 put there with
#             "wine reg add" is beaten by the first frame's 0, which the game writes back; 40 is
#             not beaten and stays.
#   error     without Data\Splat.wav the set-up fails: the error box "Kestravan - Error" shows,
#             is dismissed, and the game ends with status 1.
#   installer SETUP_EXE installs silently into a temporary folder with its Start-menu shortcut
#             and uninstall entry; the game starts from the installed folder; a silent
#             uninstall leaves no installed file, shortcut or entry, and keeps the best score.
#
# usage: game_under_wine.sh MODE GAME_DIR WINE_PREFIX SIM_EXE [SETUP_EXE]   (exit 77: skipped)
set -uo pipefail

mode=$1
game_dir=$2
export WINEPREFIX=$3
sim=$4
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../e2e/virtual_screen.sh"

[ -f "$game_dir/kestravan.exe" ] || fail "no kestravan.exe in $game_dir"
[ -f "$game_dir/Terrain.dat" ] || fail "$game_dir has no game data: the game_data target did not run"
for tool in wine wineserver Xvfb xdotool import convert; do
    command -v "$tool" >/dev/null || skip "$tool is missing"
done

# winemenubuilder stays off: it would copy Start-menu shortcuts into the desktop's own menus.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# A Wine server started without a screen cannot make windows: this run starts its own.
wineserver -k 2>/dev/null
startVirtualScreen
source "$here/../e2e/screen_checks.sh"
stopWine() { wineserver -k 2>/dev/null; cleanup; }
trap stopWine EXIT

# DirectSound needs a sound device: ALSA's null device, for this run only.
{ cat /usr/share/alsa/alsa.conf; printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n'; } \
    >"$work/alsa.conf"
export ALSA_CONFIG_PATH=$work/alsa.conf
wineserver -p </dev/null >/dev/null 2>&1
wine cmd /c exit </dev/null >/dev/null 2>&1

startGame() {
    (cd "$1" && exec wine kestravan.exe) >"$work/game.log" 2>&1 &
    game_pid=$!
}
key='HKCU\Software\Brannoch\Kestravan'
# The stored best score as the registry tool shows it.
storedScore() {
    wine reg query "$key" /v "High Score" 2>/dev/null | tr -d '\r' |
        sed -n 's/.*High Score[[:space:]]*REG_SZ[[:space:]]*//p'
}
# The column where the river first shows on row 100 of the screen grab; empty when it shows
# nowhere. The river is the only thing that blue in the first screens of the map.
riverColumn() {
    convert "$work/screen.png" -crop 960x1+32+100 -depth 8 txt:- |
        awk -F'[(,)]' 'NR > 1 && $3 < 80 && $5 > 140 { print $1 + 32; exit }'
}
# steer WHAT WAY COMMANDS...: runs the xdotool commands and checks that the river moved that
# way on screen (left or right): the whirlwind went the other way.
steer() {
    local what=$1 way=$2
    shift 2
    grab
    local before
    before=$(riverColumn)
    xdotool "$@"
    sleep 0.5
    grab
    local after
    after=$(riverColumn)
    [ -n "$before" ] && [ -n "$after" ] ||
        fail "the river is not on screen (at column '$before', then '$after')"
    if [ "$way" = right ]; then
        [ "$after" -gt "$before" ] || fail "$what did not move the whirlwind left"
    else
        [ "$after" -lt "$before" ] || fail "$what did not move the whirlwind right"
    fi
    echo "$what moved the whirlwind: the river went from column $before to $after"
}

case $mode in
play)
    # The simulator draws the same first frame; its picture gives the points to compare.
    (cd "$game_dir" && wine "$sim" --frames 1 --screenshot "1:$work/first.png") >/dev/null 2>&1 ||
        fail "kestravan-sim.exe did not draw the first frame"
    startGame "$game_dir"
    xdotool mousemove 2 2
    waitFor 10 "the splash" 100 100 Splash.bmp 100 100 900 700 Splash.bmp 900 700 \
        512 200 Splash.bmp 512 200
    gameFrame
    # Ground, water and the target in the map; the panel's grey boxes and its frame.
    for point in "200 400" "150 520" "575 200" "805 357" "700 357" "250 654" "250 737" \
        "600 700" "100 628"; do
        read -r x y <<<"$point"
        [ "$(pixel "$work/screen.png" "$x" "$y")" = "$(pixel "$work/first.png" "$x" "$y")" ] ||
            fail "the first frame differs from the simulator's at ($x, $y)"
    done
    echo "seen: the simulator's first frame"

    steer "the left arrow key" right keydown Left sleep 1 keyup Left
    steer "the right mouse button" left mousemove 1000 384 mousedown 3 sleep 1 mouseup 3 mousemove 2 2

    xdotool key Escape
    waitFor 10 "the menu" 100 100 Option.bmp 100 100 900 700 Option.bmp 900 700 \
        525 300 Option.bmp 525 300 525 470 Option.bmp 525 470
    xdotool mousemove 525 382 sleep 0.3 click 1 mousemove 2 2
    gameFrame
    xdotool key Escape sleep 0.3 key Escape
    waitForEnd "Escape twice"
    ;;
registry)
    for start in -5 40; do
        wine reg add "$key" /v "High Score" /t REG_SZ /d "$start" /f >/dev/null 2>&1 ||
            fail "wine reg add failed"
        startGame "$game_dir"
        xdotool mousemove 2 2
        gameFrame
        xdotool key Escape sleep 0.3 key Escape
        waitForEnd "Escape twice"
        expected=$([ "$start" -lt 0 ] && echo 0 || echo "$start")
        [ "$(storedScore)" = "$expected" ] ||
            fail "with $start stored, the game left '$(storedScore)' instead of $expected"
        echo "with $start stored, the game left $expected"
    done
    ;;
error)
    cp -r "$game_dir" "$work/game"
    rm "$work/game/Data/Splat.wav"
    startGame "$work/game"
    box=
    for _ in $(seq 100); do
        box=$(xdotool search --name "^Kestravan - Error$" 2>/dev/null | head -1)
        [ -n "$box" ] && break
        kill -0 "$game_pid" 2>/dev/null || fail "the game ended without an error box"
        sleep 0.2
    done
    [ -n "$box" ] || fail "no error box within 20 s"
    echo "seen: the error box"
    xdotool windowactivate --sync "$box" key Return 2>/dev/null ||
        xdotool key --window "$box" Return
    for _ in $(seq 100); do
        kill -0 "$game_pid" 2>/dev/null || break
        sleep 0.1
    done
    wait "$game_pid"
    status=$?
    game_pid=
    [ "$status" -eq 1 ] || fail "after the error box the game ended with status $status, not 1"
    echo "after the error box the game ended with status 1"
    ;;
installer)
    setup=${5:-}
    [ -f "$setup" ] || skip "no installer was made (makensis is missing)"
    target=$work/Programs/Kestravan
    wine "$setup" /S "/D=$(winepath -w "$target")" </dev/null >/dev/null 2>&1 ||
        fail "the silent install ended with status $?"
    for file in kestravan.exe Terrain.dat README.txt uninstall.exe Data/Frame_Top.bmp \
        Data/Splat.wav; do
        [ -f "$target/$file" ] || fail "the install left no $file in $target"
    done
    installed=$(cd "$target" && find . -type f | wc -l)
    echo "installed $installed files into $target"
    shortcut=$(find "$WINEPREFIX/drive_c/users" -name Kestravan.lnk -path '*Start Menu*' | head -1)
    [ -n "$shortcut" ] || fail "no Start-menu shortcut"
    tr -d '\0' <"$shortcut" | grep -aqi "$(basename "$work").Programs.Kestravan.kestravan\.exe" ||
        fail "the shortcut does not lead to the installed kestravan.exe"
    echo "the Start-menu shortcut leads to the installed game"
    uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kestravan'
    wine reg query "$uninstall_key" /v UninstallString 2>/dev/null | grep -qi 'uninstall\.exe' ||
        fail "no uninstall entry under the current user"

    wine reg add "$key" /v "High Score" /t REG_SZ /d 40 /f >/dev/null 2>&1
    (cd "$target" && exec wine kestravan.exe) >"$work/game.log" 2>&1 &
    game_pid=$!
    xdotool mousemove 2 2
    gameFrame
    xdotool key Escape sleep 0.3 key Escape
    waitForEnd "Escape twice in the installed game"

    wine "$target/uninstall.exe" /S </dev/null >/dev/null 2>&1
    # The uninstaller runs on from a copy of itself: wait for the files to go.
    for _ in $(seq 150); do
        [ -e "$target" ] || break
        sleep 0.2
    done
    left=$(find "$work/Programs" -type f 2>/dev/null)
    [ -z "$left" ] || fail "the uninstall left: $left"
    [ ! -e "$target" ] || fail "the uninstall left the folder $target"
    [ ! -e "$shortcut" ] || fail "the uninstall left the shortcut"
    wine reg query "$uninstall_key" >/dev/null 2>&1 && fail "the uninstall left its entry"
    [ "$(storedScore)" = 40 ] || fail "the uninstall took the best score ('$(storedScore)')"
    echo "the uninstall removed every installed file, the shortcut and the entry, and kept the best score"
    ;;
*)
    fail "unknown mode $mode"
    ;;
esac
