#!/usr/bin/env bash
# The Windows game, kestravan.exe, under Wine on a virtual X screen:
#   play      the splash, then a first game frame that matches the simulator's point for point;
#             the arrow keys and the right mouse button move the whirlwind; Escape opens the
#             menu, Resume closes it, Escape twice ends the game with status 0.
#   registry  the best score is read from and written to the registry: -5 put there with
#             "wine reg add" is beaten by the first frame's 0, which the game writes back; 40 is
#             not beaten and stays.
#   error     without Data\Splat.wav the game does not start: the error box "Kestravan - Error"
#             shows, is dismissed, and the game ends with status 1; the log names the file.
#   no-sound  with no sound output: --no-sound plays; without it the game asks whether to play
#             without sound, and "No" ends it with status 1 after its error box.
#   demo      a demo recorded without sound (the keys steer, the right button chases, Escape
#             twice ends it) replays in the Linux simulator to the state the game wrote beside it.
#   command-line  --help and --version go to the console; a bad option is named there, status 2.
#   fallback  on a 1920 x 1080 screen the display refuses 1024 x 768 x 8: the game says so in
#             its log and plays borderless, its first frame fitted 1.41 times with bars.
#   integer   on that screen, --borderless --scale integer: the first frame at 1x in the middle;
#             F12 writes the unscaled frame into the player's Pictures\Kestravan.
#   focus     the test build leaves the game (Ctrl+F11) and comes back 1.5 s later: meanwhile
#             the game is paused and the processor near idle; then the display mode is set
#             again, the first frame's points show and the arrow keys steer.
#   installer SETUP_EXE installs silently into a temporary folder with its Start-menu shortcut
#             and uninstall entry; the game starts from the installed folder; a silent
#             uninstall leaves no installed file, shortcut or entry, and keeps the best score.
#   alt-enter bad settings in the registry are named in the log and ignored; Alt+Enter switches
#             to a window, where the first frame's points show where the log says the frame
#             is, and back; each choice is stored and the next run starts with it.
#
# usage: game_under_wine.sh MODE GAME_DIR WINE_PREFIX SIM_EXE TEST_EXE LINUX_SIM SETUP_EXE
#        (exit 77: skipped)
set -uo pipefail

mode=$1
game_dir=$2
export WINEPREFIX=$3
sim=$4
test_exe=$5
linux_sim=$6
setup=$7
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
case $mode in fallback | integer | alt-enter) startVirtualScreen 1920x1080 ;; *) startVirtualScreen ;; esac
source "$here/../e2e/screen_checks.sh"
stopWine() { wineserver -k 2>/dev/null; cleanup; }
trap stopWine EXIT

# DirectSound needs a sound device: ALSA's null device, for this run only.
{ cat /usr/share/alsa/alsa.conf; printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n'; } \
    >"$work/alsa.conf"
# Without it there is no sound output at all: a machine without sound hardware.
[ "$mode" = no-sound ] || export ALSA_CONFIG_PATH=$work/alsa.conf
wineserver -p </dev/null >/dev/null 2>&1
wine cmd /c exit </dev/null >/dev/null 2>&1

# startGame DIR [EXE [ARGUMENTS...]]: the game, run in DIR, in the background.
startGame() { runGame "$1" wine "${2:-kestravan.exe}" "${@:3}"; }
# playAndQuit DIR [EXE [ARGUMENTS...]]: the game shows a game frame, and Escape twice ends it.
playAndQuit() {
    startGame "$@"
    gameFrame
    quitTwice
}
log() { cat "$WINEPREFIX"/drive_c/users/*/AppData/Local/Brannoch/Kestravan/kestravan.log 2>/dev/null; }
logSays() { log | grep -qF "$1"; }
# waitForLog TEXT: the game's log must say TEXT within 30 seconds.
waitForLog() {
    within 30 logSays "$1" || { log; fail "the log never said '$1'"; }
    echo "logged: $1"
}
# The simulator's first frame, whose points the game's screen is compared with.
simulatorFrame() {
    (cd "$game_dir" && wine "$sim" --frames 1 --screenshot "1:$work/first.png") >/dev/null 2>&1 ||
        fail "kestravan-sim.exe did not draw the first frame"
}
# Ground, water and the target in the map; the panel's grey boxes and its frame.
framePoints=(200 400 150 520 575 200 805 357 700 357 250 654 250 737 600 700 100 628)
# showsFirstFrame LEFT TOP NUMERATOR DENOMINATOR: a new grab shows the simulator's first frame
# scaled by NUMERATOR/DENOMINATOR with its top-left corner at (LEFT, TOP); else the point that
# differs is in $differs.
showsFirstFrame() {
    grab || return 1
    local i x y
    for ((i = 0; i < ${#framePoints[@]}; i += 2)); do
        x=${framePoints[i]} y=${framePoints[i + 1]} differs="($x, $y)"
        [ "$(pixel "$work/screen.png" $(($1 + (x * $3 + $3 / 2) / $4)) $(($2 + (y * $3 + $3 / 2) / $4)))" = \
            "$(pixel "$work/first.png" "$x" "$y")" ] || return 1
    done
}
sameAsSimulator() {
    within 20 showsFirstFrame "$@" ||
        fail "the screen differs from the simulator's first frame at $differs scaled $3/$4"
    echo "seen: the simulator's first frame at $3/$4 from ($1, $2)"
}
# boxShown CAPTION: the message box with that caption shows (its window in $box), and the game
# has not ended without it.
boxShown() {
    box=$(xdotool search --name "^$1\$" 2>/dev/null | head -1)
    [ -n "$box" ] || { running || fail "the game ended without the box '$1'"; return 1; }
}
# answerBox CAPTION KEY: the message box with that caption shows and gets the key.
answerBox() {
    within 20 boxShown "$1" || fail "no box '$1' within 20 s"
    echo "seen: the box '$1'"
    xdotool windowactivate --sync "$box" key "$2" 2>/dev/null || xdotool key --window "$box" "$2"
}
black() { [ "$(pixel "$work/screen.png" "$1" "$2")" = "#000000" ] || fail "no black bar at ($1, $2)"; }
# Processor time of the game and its Wine server, in clock ticks.
cpuTicks() {
    local total=0 pid
    for pid in $game_pid $(pgrep -x wineserver); do
        tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" ||
            [ "$pid" = "$game_pid" ] || continue
        total=$((total + $(awk '{ print $14 + $15 }' "/proc/$pid/stat" 2>/dev/null || echo 0)))
    done
    echo "$total"
}
key='HKCU\Software\Brannoch\Kestravan'
# storedValue NAME: the text stored under the game's key, as the registry tool shows it.
storedValue() {
    wine reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' |
        sed -n "s/.*$1[[:space:]]*REG_SZ[[:space:]]*//p"
}
# The column where the river first shows on row 100 of a new grab; empty when it shows
# nowhere. The river is the only thing that blue in the first screens of the map.
riverColumn() {
    grab
    convert "$work/screen.png" -crop 960x1+32+100 -depth 8 txt:- |
        awk -F'[(,)]' 'NR > 1 && $3 < 80 && $5 > 140 { print $1 + 32; exit }'
}
# steer WHAT WAY COMMANDS...: runs the xdotool commands and checks that the river moved that
# way on screen (left or right): the whirlwind went the other way.
steer() {
    local what=$1 way=$2 before after
    before=$(riverColumn)
    xdotool "${@:3}"
    sleep 0.5
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
fallback)
    simulatorFrame
    startGame "$game_dir"
    waitForLog "playing borderless at the desktop's own size"
    sameAsSimulator 240 0 45 32
    grab && black 100 540 && black 1800 540
    quitTwice
    ;;
integer)
    simulatorFrame
    startGame "$game_dir" kestravan.exe --borderless --scale integer
    sameAsSimulator 448 156 1 1
    grab && black 100 540 && black 960 60 && black 960 1000
    xdotool key F12
    waitForLog "Screenshot: "
    shot=$(winepath -u "$(log | sed -n 's/^Screenshot: //p' | tr -d '\r' | head -1)" 2>/dev/null)
    [ -f "$shot" ] || fail "no screenshot at '$shot'"
    trap 'rm -f "$shot"; stopWine' EXIT
    [ "$(identify -format %wx%h "$shot")" = 1024x768 ] || fail "the screenshot is not 1024 x 768"
    [ "$(pixel "$shot" 805 357)" = "$(pixel "$work/first.png" 805 357)" ] ||
        fail "the screenshot is not the game's frame"
    echo "F12 wrote the frame into $shot"
    quitTwice
    ;;
focus)
    [ -f "$test_exe" ] || fail "no test build of the game"
    simulatorFrame
    startGame "$game_dir" "$test_exe"
    gameFrame
    xdotool key ctrl+F11
    waitForLog "The player left the game: paused"
    before=$(cpuTicks)
    sleep 1
    used=$(($(cpuTicks) - before))
    echo "while away the game and its Wine server used $used ticks in a second"
    [ "$used" -le 20 ] || fail "while away the game used $used% of a processor"
    waitForLog "The screen is back at 1024 x 768 x 8"
    sameAsSimulator 0 0 1 1
    steer "the left arrow key" right keydown Left sleep 1 keyup Left
    quitTwice
    ;;
alt-enter)
    simulatorFrame
    wine reg delete "$key" /f >/dev/null 2>&1
    wine reg add "$key" /v Volume /t REG_SZ /d 300 /f >/dev/null 2>&1
    wine reg add "$key" /v Scale /t REG_DWORD /d 5 /f >/dev/null 2>&1
    # Each run starts as the last one stored: Alt+Enter goes to a window, then back.
    for run in "borderless full screen:a window:windowed" "a window:borderless full screen:fullscreen"; do
        IFS=: read -r from to stored <<<"$run"
        startGame "$game_dir" kestravan.exe --borderless
        waitForLog "Showing the game in $from"
        sleep 1
        xdotool key alt+Return
        waitForLog "Now showing the game in $to"
        if [ "$stored" = windowed ]; then
            waitForLog 'The setting "Volume" takes a whole number from 0 to 100'
            waitForLog 'The registry value "Scale" is not a short text: ignored'
            read -r left top width < <(log | tr -d '\r' |
                sed -n 's/^Now showing the game in a window, the frame at (\([0-9]*\), \([0-9]*\)) in \([0-9]*\) x .*/\1 \2 \3/p')
            [ -n "$width" ] || fail "the log does not say where the frame is"
            sameAsSimulator "$left" "$top" "$width" 1024
        fi
        [ "$(storedValue Screen)" = "$stored" ] || fail "$to was not stored: '$(storedValue Screen)'"
        quitTwice
    done
    ;;
play)
    # The simulator draws the same first frame; its picture gives the points to compare.
    simulatorFrame
    startGame "$game_dir"
    xdotool mousemove 2 2
    splash
    gameFrame
    sameAsSimulator 0 0 1 1
    steer "the left arrow key" right keydown Left sleep 1 keyup Left
    steer "the right mouse button" left mousemove 1000 384 mousedown 3 sleep 1 mouseup 3 mousemove 2 2
    xdotool key Escape
    menu
    xdotool mousemove 525 382 sleep 0.3 click 1
    gameFrame
    quitTwice
    ;;
registry)
    for start in -5 40; do
        wine reg add "$key" /v "High Score" /t REG_SZ /d "$start" /f >/dev/null 2>&1 ||
            fail "wine reg add failed"
        playAndQuit "$game_dir"
        expected=$((start < 0 ? 0 : start))
        [ "$(storedValue "High Score")" = "$expected" ] ||
            fail "with $start stored, the game left '$(storedValue "High Score")' instead of $expected"
        echo "with $start stored, the game left $expected"
    done
    ;;
error)
    cp -r "$game_dir" "$work/game"
    rm "$work/game/Data/Splat.wav"
    startGame "$work/game"
    answerBox "Kestravan - Error" Return
    waitForEnd "the error box" 1
    logSays 'Splat.wav is missing' || { log; fail "the log does not name Splat.wav"; }
    echo "the box and the log name Data\\Splat.wav"
    ;;
no-sound)
    playAndQuit "$game_dir" kestravan.exe --no-sound
    startGame "$game_dir"
    answerBox "Kestravan - No sound" n
    answerBox "Kestravan - Error" Return
    waitForEnd "the error box" 1
    waitForLog "No sound output, and no game without it"
    ;;
demo)
    [ -x "$linux_sim" ] || skip "no Linux simulator at '$linux_sim'"
    startGame "$game_dir" kestravan.exe --no-sound --record "$work/demo"
    gameFrame
    xdotool keydown Left sleep 0.7 keyup Left mousemove 1000 600 mousedown 3 sleep 1.5 mouseup 3
    quitTwice "Escape twice while recording"
    replaysAlike "$linux_sim" "$game_dir"
    ;;
command-line)
    (cd "$game_dir" && wine kestravan.exe --help) 2>&1 | grep -q -- "--borderless" ||
        fail "--help did not show the options"
    (cd "$game_dir" && wine kestravan.exe --version) | grep -q "^Kestravan [0-9]" ||
        fail "--version did not show the version"
    (cd "$game_dir" && wine kestravan.exe --scale huge) >/dev/null 2>"$work/bad.txt"
    status=$?
    [ "$status" -eq 2 ] || fail "a bad option ended with status $status, not 2"
    grep -q "scale takes fit or integer, not 'huge'" "$work/bad.txt" || fail "the bad option was not named"
    echo "--help, --version and a bad option answered on the console"
    ;;
installer)
    [ -f "$setup" ] || skip "no installer was made (makensis is missing)"
    target=$work/Programs/Kestravan
    wine "$setup" /S "/D=$(winepath -w "$target")" </dev/null >/dev/null 2>&1 ||
        fail "the silent install ended with status $?"
    for file in kestravan.exe Terrain.dat README.txt uninstall.exe Data/Frame_Top.bmp \
        Data/Splat.wav; do
        [ -f "$target/$file" ] || fail "the install left no $file in $target"
    done
    echo "installed $(cd "$target" && find . -type f | wc -l) files into $target"
    shortcut=$(find "$WINEPREFIX/drive_c/users" -name Kestravan.lnk -path '*Start Menu*' | head -1)
    [ -n "$shortcut" ] || fail "no Start-menu shortcut"
    tr -d '\0' <"$shortcut" | grep -aqi "$(basename "$work").Programs.Kestravan.kestravan\.exe" ||
        fail "the shortcut does not lead to the installed kestravan.exe"
    echo "the Start-menu shortcut leads to the installed game"
    uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kestravan'
    wine reg query "$uninstall_key" /v UninstallString 2>/dev/null | grep -qi 'uninstall\.exe' ||
        fail "no uninstall entry under the current user"

    wine reg add "$key" /v "High Score" /t REG_SZ /d 40 /f >/dev/null 2>&1
    playAndQuit "$target"

    wine "$target/uninstall.exe" /S </dev/null >/dev/null 2>&1
    # The uninstaller runs on from a copy of itself: wait for the files to go.
    within 30 test ! -e "$target"
    left=$(find "$work/Programs" -type f 2>/dev/null)
    [ -z "$left" ] || fail "the uninstall left: $left"
    [ ! -e "$target" ] || fail "the uninstall left the folder $target"
    [ ! -e "$shortcut" ] || fail "the uninstall left the shortcut"
    wine reg query "$uninstall_key" >/dev/null 2>&1 && fail "the uninstall left its entry"
    [ "$(storedValue "High Score")" = 40 ] || fail "the uninstall took the best score ('$(storedValue "High Score")')"
    echo "the uninstall removed every installed file, the shortcut and the entry, and kept the best score"
    ;;
*)
    fail "unknown mode $mode"
    ;;
esac
