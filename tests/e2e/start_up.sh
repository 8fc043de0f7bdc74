#!/usr/bin/env bash
# How the game starts, without a screen: the command line, no display (status 1 at once, never
# an invisible screen), missing data named with its folder, the data found beside the game from
# any folder, and old settings moved to the configuration folder.
#
# usage: start_up.sh GAME_DIR
set -uo pipefail

game=$1/kestravan
source "$(dirname "$0")/virtual_screen.sh"
mkdir -p "$work/elsewhere" "$work/empty"
cd "$work/elsewhere" || exit 1
export XDG_DATA_HOME="$work/home"

# expect STATUS PATTERN ARGUMENTS...: the game ends with the status and its output matches.
expect() {
    local status=$1 pattern=$2
    shift 2
    env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER timeout 20 "$game" "$@" \
        >"$work/out" 2>&1
    local got=$?
    grep -q -- "$pattern" "$work/out" ||
        { cat "$work/out"; fail "kestravan $* did not say '$pattern'"; }
    [ "$got" -eq "$status" ] || { cat "$work/out"; fail "kestravan $* ended with $got, not $status"; }
    echo "kestravan $*: status $status, '$pattern'"
}

expect 0 "usage: kestravan" --help
expect 0 "^Kestravan [0-9]" --version
expect 2 "unknown option '--turbo'" --turbo
expect 2 "--exclusive is not available in the Linux game" --windowed --exclusive
grep -q -- "--borderless" <("$game" --help) && fail "the help offers what the Linux game lacks"
expect 2 "cannot read the demo" --play "$work/no-such-demo"
expect 1 "no display" --windowed
grep -q "is missing" "$work/out" && fail "the game beside its data named files missing"
expect 1 "Terrain.dat is missing from $work/empty" --data "$work/empty"
grep -q "Data/Frame_Top.bmp is missing from $work/empty" "$work/out" || fail "the palette went unnamed"
grep -q "and [0-9]* more files" "$work/out" || fail "the missing files were not counted"
mkdir -p "$work/bin"
cp "$game" "$work/bin/"
game=$work/bin/kestravan
expect 1 "is in none of:"
grep -q "    $work/bin/" "$work/out" || fail "the folders looked in were not listed"

# A stray Data folder where the game starts is passed over for the data beside the game.
game=$1/kestravan
mkdir -p "$work/stray/Data"
cd "$work/stray" || exit 1
expect 1 "no display" --windowed
grep -q "missing" "$work/out" && fail "a stray Data folder was taken for the game's data"

# Settings an earlier version kept in the data folder move once to the configuration folder;
# a relative XDG_DATA_HOME or XDG_CONFIG_HOME is ignored for ~/.local/share and ~/.config.
mkdir -p "$work/home/Brannoch/Kestravan"
printf 'volume = very\nmode = windowed\n' >"$work/home/Brannoch/Kestravan/kestravan.ini"
export XDG_CONFIG_HOME="$work/config"
expect 1 "config/Brannoch/Kestravan/kestravan.ini: line 1: volume takes a whole number from 0 to 100, not 'very'"
[ -e "$work/home/Brannoch/Kestravan/kestravan.ini" ] && fail "the old settings file stayed"
grep -q "mode = windowed" "$work/config/Brannoch/Kestravan/kestravan.ini" || fail "the settings were not moved"
mkdir -p "$work/h/.local/share/Brannoch/Kestravan"
printf 'volume = loud\n' >"$work/h/.local/share/Brannoch/Kestravan/kestravan.ini"
HOME=$work/h XDG_DATA_HOME=relative XDG_CONFIG_HOME= \
    expect 1 "$work/h/.config/Brannoch/Kestravan/kestravan.ini: line 1: volume takes"
[ -e relative ] && fail "a relative XDG_DATA_HOME made a folder where the game started"
echo "settings moved; relative XDG folders ignored"
