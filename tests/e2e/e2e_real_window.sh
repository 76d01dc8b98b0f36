#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Gravok developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real game window under a virtual X display, played with real key presses and mouse
# clicks; gravok-shotcheck checks each screenshot against the game's own model.
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
. "$here/xdrive.sh"
xd_e2e_args "$@"
xd_e2e_begin

xd_start_display 1280x1024 || fail "no X display"
xd_time_limit 270   # ctest's own limit is 300 s
echo "display $DISPLAY"

# A fresh program directory with a known high-score list; the user's list place is ours too.
xd_fresh_prog
"$XD_SHOTCHECK" seed-list "$XD_PROG" || fail "cannot write a high-score list"

# The dialogs are layers inside the game window: each check finds one where the model
# puts it, and a check that it has closed follows every round.

# --- Start-up: the new-game dialog over the paused field.
step="start-up"
xd_run gravok "$XD_PROG/gravok"
main=$(wait_window "Gravok" 30) || fail "the game window did not appear"
main_rect=$(rect_of "$main") || fail "no geometry of the game window"
check startup 01-startup.png

# --- Enter chooses episode 1; P pauses at once.
step="choose episode 1, pause"
keys "$main" Return p
check level1 02-level1-paused.png --episode 1 --max-ticks 100

# --- P again resumes: the label goes; a blank screen is no game.
step="resume"
keys "$main" p
check running 03-running.png
reject paused 03-running.png
convert -size 1280x1024 xc:black "$XD_OUT/00-blank.png"
reject level1 00-blank.png --episode 1
reject startup 00-blank.png
reject running 01-startup.png

# --- The "Highscore" label, clicked where the model puts it.
step="high-score dialog"
click_control lblHighscore || fail "cannot click lblHighscore"
check highscore 04-highscore.png
reject highscore 03-running.png
keys "$main" Escape
check running 05-after-highscore.png

# A dialog the key KEY opens over the main window, checked by CHECK, closed by CLOSE.
#   dialog_round STEP KEY CHECK SHOT CLOSE
dialog_round() {
    step=$1
    keys "$main" "$2"
    check "$3" "$4"
    keys "$main" "$5"
    check running "${4%.png}-closed.png"
}
dialog_round "about dialog" F2 about 06-about.png Return
dialog_round "new-game dialog" F4 newgame 07-newgame.png Escape

# --- F1: the help viewer, a program of its own, closed with Escape.
step="help viewer"
keys "$main" F1
help=$(wait_window "Gravok – Hilfe" 30) || fail "F1 started no help viewer"
help_pid=$(window_pid "$help") && XD_PIDS+=("$help_pid")
help_rect=$(window_geometry "$help") || fail "no geometry of the help viewer"
help_shown() {
    shot "$XD_OUT/08-help.png"
    set -- $help_rect
    # A painted page has text and buttons: far from one flat colour.
    local spread
    spread=$(convert "$XD_OUT/08-help.png" -crop "${3}x${4}+${1}+${2}" -format '%[fx:int(1000*standard_deviation)]' info:)
    [ "${spread:-0}" -ge 50 ]
}
_xd_until 20 help_shown || fail "the help viewer's window stays blank"
echo "ok   help viewer shows a page"
keys "$help" Escape
wait_gone "$help" 20 || fail "Escape did not close the help viewer"

# --- The help viewer took the focus from the game, so the game paused itself; only P
# brings it back, as after a pause by hand.
step="paused while away"
check paused 08-away-paused.png
keys "$main" p
check running 08-back.png

# --- Fly: three times faster, two turns left, a while on, then fire and pause at once.
step="fly and fire"
keys "$main" Up Up Up Left Left
sleep 1.5
keys "$main" space p
check flying 09-flying.png --keys "Up Up Up Left Left" --max-ticks 200

keys "$main" ctrl+q
wait_gone "$main" 20 || fail "Ctrl+Q did not end the game"

# --- Ctrl+Q at start-up ends the program at once, with status 0. (Episodes chosen with
# the arrows: the gamepad's test and the installed package's.)
step="Ctrl+Q in the start-up dialog"
xd_run quit "$XD_PROG/gravok"
pid=$XD_LAST_PID
main=$(wait_window "Gravok" 30) || fail "the game window did not appear"
check startup 12-quit-startup.png
keys "$main" ctrl+q
_xd_until 20 eval '! kill -0 $pid 2>/dev/null' || fail "Ctrl+Q at start-up did not end the program"
wait "$pid"
status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status after Ctrl+Q"
echo "ok   Ctrl+Q in the start-up dialog ends the program with status 0"

# --- The end of a game as the player sees it, with episodes made for it: episode 2 is
# lost in a crowd of gravoks, episode 1 (one gravok before the shuttle) is won with four
# shots. Space and an arrow are held when the game ends, and none of it reaches the
# name box; the words stand whole above it, and the list follows the name.
end_prog=$XD_TMP/end
xd_won_prog "$end_prog"
{
    printf '1\r\n'
    printf '3,4400,2000,0,60\r\n3,4400,4400,0,-60\r\n3,3300,3200,60,0\r\n3,5500,3200,-60,0\r\n'
    printf '3,3500,2300,50,50\r\n3,5300,4100,-50,-50\r\n3,5300,2300,-50,50\r\n3,3500,4100,50,-50\r\n'
    printf '3,4400,1000,0,90\r\n3,4400,5800,0,-90\r\n\r\n'
} >"$end_prog/Episode2.gvk"
step="game over"
xd_run ending "$end_prog/gravok"
main=$(wait_window "Gravok" 30) || fail "the game window did not appear"
main_rect=$(rect_of "$main") || fail "no geometry of the game window"
check startup 20-end-startup.png
keys "$main" Down Return Up Up Up Up Up
_xd_focus "$main" && xdotool keydown space Left
ended_at=$SECONDS
until "$XD_SHOTCHECK" namebox --shot "$XD_OUT/21-gameover-name.png" --dir "$end_prog" --art "$XD_ART" \
    --main "$main_rect" --words "Game over!" >"$XD_OUT/21-gameover-name.namebox.txt" 2>&1; do
    [ $((SECONDS - ended_at)) -ge 60 ] && { xdotool keyup space Left; fail "no name box after Game over! within 60 s"; }
    shot "$XD_OUT/21-gameover-name.png"
    sleep 0.3
done
sleep 1   # the held keys keep repeating a while into the name box
xdotool keyup space Left
check namebox 21-gameover-name.png --words "Game over!"
type_text "$main" "Jürgen Groß"
check namebox 22-gameover-typed.png --words "Game over!" --name "Jürgen Groß"
keys "$main" Return
check scores-open 23-gameover-list.png --words "Game over!"
keys "$main" Return
check closed 24-after-list.png

step="Geschafft!"
keys "$main" F4 1 Return
sleep 0.5
# Three hits destroy it; a fourth press would type a blank into the name box.
for n in 1 2 3; do
    keys "$main" space
    sleep 0.45
done
check namebox 25-geschafft-name.png --words "Geschafft!"
keys "$main" Escape
check scores-open 26-geschafft-list.png --words "Geschafft!"
keys "$main" Return
check closed 27-after-list.png
grep -q "Jürgen Groß (2)" <("$XD_PROG/gravok-sim" --dir "$end_prog" <<<$'key Enter\nclick lblHighscore\nget Liste.List(0)\nget Liste.List(1)') \
    || fail "the typed name is not in the list"
echo "ok   the name typed with umlauts and ß is in the list"
keys "$main" ctrl+q
wait_gone "$main" 20 || fail "Ctrl+Q did not end the game"

echo "all e2e checks passed; screenshots in $XD_OUT"
