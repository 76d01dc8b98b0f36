#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Gravok developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Replays in the real window: a short game played with real keys and ended with "Ende" is
# recorded in the replay folder, plays headless through gravok-sim, and shows in the window
# with --replay, where a screenshot taken while the showing stands still must match the
# headless model at one tick of the same replay. The dialogs are layers inside the game
# window, so the checker finds them (or their absence) where the model puts them.
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
. "$here/xdrive.sh"
xd_e2e_args "$@"
xd_e2e_begin

xd_start_display 1280x1024 || fail "no X display"
xd_time_limit 240
xd_fresh_prog
replays=$XD_WORK/data/gravok/replays

# --- A short game with real keys, ended with "Ende".
step="record"
xd_run gravok "$XD_PROG/gravok"
main=$(wait_window "Gravok" 30) || fail "the game window did not appear"
main_rect=$(rect_of "$main") || fail "no geometry of the game window"
# The start-up dialog is a layer inside the game window: it takes the keys sent there.
check startup 01-startup.png
keys "$main" Return
check closed 02-started.png
reject closed 01-startup.png
keys "$main" Left Left space Up Up space
sleep 1
keys "$main" Right space space Down
sleep 1
click_control lblEnde || fail "cannot click lblEnde"
wait_gone "$main" 20 || fail "\"Ende\" did not end the game"
file=$(ls "$replays"/*.replay.gz 2>/dev/null | head -n 1)
[ -n "$file" ] || fail "no replay in $replays"
echo "ok   recorded $(basename "$file")"
zcat "$file" | grep -q '^key Left$' || fail "the replay holds no key Left"

# --- The same run headless: it plays through and ends in episode 1.
step="headless"
"$XD_PROG/gravok-sim" --replay "$file" --dir "$XD_PROG" >"$XD_OUT/headless.dump" 2>"$XD_OUT/headless.err" \
    || fail "gravok-sim --replay failed: $(cat "$XD_OUT/headless.err")"
grep -q '"Episode":1,' "$XD_OUT/headless.dump" || fail "the headless replay is not in episode 1"
echo "ok   gravok-sim --replay plays it"

# --- Watched in the window: P stops the showing, the screenshot matches the model.
step="watch"
count_before=$(ls "$replays" | wc -l)
xd_run watch "$XD_PROG/gravok" --replay "$file"
main=$(wait_window "Gravok – Wiedergabe" 30) || fail "the replay window did not appear"
main_rect=$(rect_of "$main") || fail "no geometry of the replay window"
sleep 1.5
keys "$main" p
sleep 0.5
check replay 10-watch-stopped.png --replay "$file" --max-ticks 200
# The start-up layer the replay opens is answered from the recording inside its own loop.
check closed 11-watch-no-layer.png
convert -size 1280x1024 xc:black "$XD_OUT/00-blank.png"
reject replay 00-blank.png --replay "$file" --max-ticks 200
keys "$main" Escape
wait_gone "$main" 20 || fail "Escape did not end the showing"
[ "$(ls "$replays" | wc -l)" -eq "$count_before" ] || fail "watching a replay recorded another"
echo "ok   Escape ends the showing, nothing recorded"

# --- Watched from the high-score list. An episode of one gravok before the shuttle, won
# with three shots after a wait, so the watched game lasts long enough to stop it.
step="list: a game ended with a name"
xd_won_prog "$XD_TMP/list"
XD_PROG=$XD_TMP/list
xd_run list "$XD_PROG/gravok"
main=$(wait_window "Gravok" 30) || fail "the game window did not appear"
main_rect=$(rect_of "$main") || fail "no geometry of the game window"
check startup 20-list-startup.png
keys "$main" Return
sleep 2.5
# Three hits destroy it; on a loaded machine a shot may come late, so one more is fired
# only while no name box stands (a press into it would type a blank).
for n in 1 2 3 4 5 6; do
    keys "$main" space
    sleep 0.6
    [ "$n" -ge 3 ] || continue
    shot "$XD_OUT/21-list-name.png"
    "$XD_SHOTCHECK" namebox --shot "$XD_OUT/21-list-name.png" --dir "$XD_PROG" --art "$XD_ART" \
        --main "$main_rect" --words "Geschafft!" >/dev/null 2>&1 && break
done
check namebox 21-list-name.png --words "Geschafft!"
type_text "$main" "Wiebke Reß"
keys "$main" Return
check scores-open 22-list-open.png --words "Geschafft!"
file=$(ls -t "$replays"/*.replay.gz | head -n 1)
zcat "$file" | grep -q '^input Wiebke Reß$' || fail "the replay holds no name typed"

# The entry just added is selected: Space plays it over the list; P stops it where the
# model can look.
step="list: watch the entry"
keys "$main" space
wait_window "Gravok – Wiedergabe" 10 >/dev/null || fail "Space on the entry showed no replay"
sleep 1
keys "$main" p
check replay 23-list-watch.png --replay "$file" --max-ticks 200
echo "ok   the watched game stands where the model has it"

# Going on, the watched game ends by itself and the list is back, the real one: Return
# closes it over the ended game.
step="list: the watched game ends"
keys "$main" p
wait_window "Gravok" 30 >/dev/null || fail "the showing did not end with its game"
check scores-open 24-list-back.png --words "Geschafft!"
keys "$main" Return
check closed 25-list-closed.png

# From a running game: the list pauses it, Down selects the entry and Space shows it, a
# showing ended with Escape leaves the game paused, and closing the list lets it run on.
step="list: over a running game"
keys "$main" F4 1 Return
check running 30-new-game.png
# Opens the list, selects the entry with KEY, shows it with Space and ends the showing
# with Escape: the list is back, and Escape closes it.
#   watch_from_list KEY SHOT
watch_from_list() {
    click_control lblHighscore || fail "cannot click lblHighscore"
    check highscore "$2"
    keys "$main" "$1" space
    wait_window "Gravok – Wiedergabe" 10 >/dev/null || fail "Space on the entry showed no replay"
    sleep 0.5
    keys "$main" Escape
    wait_window "Gravok" 10 >/dev/null || fail "Escape did not end the showing"
    check highscore "${2%.png}-again.png"
    keys "$main" Escape
}
watch_from_list Down 31-list.png
check running 33-runs-on.png

# A game paused by hand stays paused after the list and its showing.
step="list: over a paused game"
keys "$main" p
check paused 34-paused.png
watch_from_list End 35-list.png
check paused 36-still-paused.png
keys "$main" p
check running 37-resumed.png
keys "$main" ctrl+q
wait_gone "$main" 20 || fail "Ctrl+Q did not end the game"
echo "all replay window checks passed"
