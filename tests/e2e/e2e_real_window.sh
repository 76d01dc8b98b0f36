#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Gravok developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The game window and its keys: the start-up dialog, pause, the dialogs over a running
# game, the help viewer, Ctrl+Q, a game lost and one won with the name box and the list,
# and Fire bound to Ctrl in the settings.
set -uo pipefail
. "$(dirname "$0")/xdrive.sh"
xd_e2e_begin "$@"

step="start-up"
xd_run gravok "$XD_PROG/gravok"
main=$(wait_window Gravok 30) || fail "no game window"
expect "the start-up dialog over the still field" layer_is $NEU
expect "nothing moves behind it" still

step="episode 1, paused"
keys "$main" Return p
expect "P pauses" still
expect "the paused window shows the model's level 1" model_shows episode 1
expect "no layer left" layer_is ""
keys "$main" p
expect "P resumes" moving

# Each dialog opens as a layer over the game, which stands still until it closes.
dialog() {
    step="$1"
    expect "$1 opens" layer_is "$2"
    expect "the game waits under $1" still
    keys "$main" "$3"
    expect "$1 closes, the game runs on" moving
}
click_control lblHighscore || fail "cannot click Highscore"
dialog "the high-score list" $LIST Escape
keys "$main" F2
dialog "the about dialog" $ABOUT Return
keys "$main" F4
dialog "the new-game dialog" $NEU Escape

# F1: the help viewer, a program of its own, takes the focus; the game pauses itself
# and only P brings it back.
step="help viewer"
keys "$main" F1
help=$(wait_window "Gravok – Hilfe" 30) || fail "F1 opened no help viewer"
XD_PIDS+=("$(xdotool getwindowpid "$help")")
keys "$help" Escape
wait_gone "$help" || fail "Escape did not close the help viewer"
expect "the game paused while away" still
keys "$main" p
expect "P resumes" moving
keys "$main" ctrl+q
wait_gone "$main" || fail "Ctrl+Q did not end the game"

step="Ctrl+Q in the start-up dialog"
xd_run quit "$XD_PROG/gravok"
pid=$XD_LAST_PID
main=$(wait_window Gravok 30) || fail "no game window"
expect "the start-up dialog" layer_is $NEU
keys "$main" ctrl+q
xd_until 20 eval '! kill -0 $pid 2>/dev/null' || fail "the program runs on"
wait "$pid" || fail "the program ended with status $?"

# Episode 2, a crowd of gravoks, is lost holding Space and an arrow, which must not reach
# the name box; episode 1, one gravok before the shuttle, is won with three shots.
step="game over"
end_prog=$XD_TMP/end
xd_won_prog "$end_prog"
printf '%s\r\n' 1 3,4400,2000,0,60 3,4400,4400,0,-60 3,3300,3200,60,0 3,5500,3200,-60,0 3,3500,2300,50,50 \
    3,5300,4100,-50,-50 3,5300,2300,-50,50 3,3500,4100,50,-50 3,4400,1000,0,90 3,4400,5800,0,-90 "" >"$end_prog/Episode2.gvk"
xd_run ending "$end_prog/gravok"
main=$(wait_window Gravok 30) || fail "no game window"
expect "the start-up dialog" layer_is $NEU
keys "$main" Down Return Up Up Up Up Up
xd_until 5 xdotool windowfocus --sync "$main" && xdotool keydown space Left
xd_until 60 layer_is $NAMEBOX || { xdotool keyup space Left; fail "no name box within 60 s"; }
sleep 1 # the held keys repeat a while into the name box
xdotool keyup space Left
type_text "$main" "Jürgen Groß"
keys "$main" Return
expect "the list after the name" layer_is $LIST
keys "$main" Return
expect "the list closes" layer_is ""

step="won"
keys "$main" F4 1 Return
sleep 0.5
for n in 1 2 3; do keys "$main" space && sleep 0.45; done
expect "the name box" layer_is $NAMEBOX
keys "$main" Escape
expect "the list after no name" layer_is $LIST
keys "$main" Return
expect "the list closes" layer_is ""
printf 'key Enter\nclick lblHighscore\nget Liste.List(0)\nget Liste.List(1)\n' |
    "$XD_PROG/gravok-sim" --dir "$end_prog" >"$XD_OUT/list.txt"
grep -qx '[-0-9]*: Jürgen Groß (2)' "$XD_OUT/list.txt" ||
    fail "the typed name, and it alone, is not in the list: $(tr '\n' '|' <"$XD_OUT/list.txt")"

# Fire bound to Ctrl in the settings' keys page stays so after a restart: three shots with
# Ctrl win episode 1, and the recording holds them as the game's own Space.
step="Fire on Ctrl"
SETTINGS=640x390+0+93
keys "$main" F3
expect "the settings" layer_is $SETTINGS
keys "$main" Down Down Down Down Down Down Down Return Down Down Down Down Return Control_L Escape Escape
expect "the settings close" layer_is ""
pid=$XD_LAST_PID
keys "$main" ctrl+q
xd_until 20 eval '! kill -0 $pid 2>/dev/null' || fail "the program runs on"
grep -qx 'fire=17' "$XDG_CONFIG_HOME/gravok/gravok.conf" || fail "Fire on Ctrl was not kept"
xd_run rebound "$end_prog/gravok"
main=$(wait_window Gravok 30) || fail "no game window"
expect "the start-up dialog" layer_is $NEU
keys "$main" Return
sleep 0.5
for n in 1 2 3; do keys "$main" Control_L && sleep 0.45; done
expect "Ctrl fires: the name box" layer_is $NAMEBOX
keys "$main" Escape
file=$(ls -t "$XDG_DATA_HOME"/gravok/replays/*.replay.gz | head -n 1)
[ "$(zcat "$file" | grep -c '^key Space$')" -ge 3 ] || fail "the shots are not recorded as Space"
echo "all real-window checks passed"
