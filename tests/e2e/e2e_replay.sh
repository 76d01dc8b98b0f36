#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Gravok developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Replays: a game played with real keys is recorded, plays headless through gravok-sim,
# and shows in the window with --replay and from the high-score list, where the stopped
# showing (drawn smooth until then) must match the headless model playing the same
# recording. While the recorded game flies the window draws at the screen's 60 Hz. A game
# won at 50 % keeps its speed in its link and its replay.
set -uo pipefail
. "$(dirname "$0")/xdrive.sh"
xd_e2e_begin "$@"
replays=$XD_WORK/data/gravok/replays

step="record"
xd_run gravok "$XD_PROG/gravok" --stats
main=$(wait_window Gravok 30) || fail "no game window"
expect "the start-up dialog" layer_is $NEU
keys "$main" Return
expect "the game runs" moving
keys "$main" Left Left space Up Up space && sleep 1 && keys "$main" Right space space Down && sleep 1
rate() { grep '^stats: [0-9.]* s,' "$XD_OUT/gravok.log" | tail -n 1 | sed -E 's|.* ([0-9]+)\.[0-9] frames/s.*|\1|'; }
expect "flying, 60 frames a second" eval '[ "$(rate)" -ge 57 ] && [ "$(rate)" -le 61 ]'
click_control lblEnde || fail "cannot click Ende"
wait_gone "$main" || fail "\"Ende\" did not end the game"
file=$(ls "$replays"/*.replay.gz 2>/dev/null | head -n 1)
[ -n "$file" ] && zcat "$file" | grep -q '^key Left$' || fail "no replay with the keys in $replays"

step="headless"
"$XD_PROG/gravok-sim" --replay "$file" --dir "$XD_PROG" >"$XD_OUT/headless.dump" || fail "gravok-sim --replay failed"
grep -q '"Episode":1,' "$XD_OUT/headless.dump" || fail "the headless replay is not in episode 1"

step="watch"
xd_run watch "$XD_PROG/gravok" --replay "$file"
main=$(wait_window "Gravok – Wiedergabe" 30) || fail "no replay window"
sleep 1.5
keys "$main" p
expect "P stops the showing" still
expect "the stopped showing is the model's" model_shows replay "$file"
keys "$main" Escape
wait_gone "$main" || fail "Escape did not end the showing"
[ "$(ls "$replays" | wc -l)" -eq 1 ] || fail "watching a replay recorded another"

# From the list: an episode won with three shots after a wait, so the watched game lasts.
step="the list"
xd_won_prog "$XD_TMP/list"
XD_PROG=$XD_TMP/list
xd_run list "$XD_PROG/gravok"
main=$(wait_window Gravok 30) || fail "no game window"
expect "the start-up dialog" layer_is $NEU
keys "$main" Return
sleep 2.5
# A late shot on a loaded machine: one more only while no name box stands.
for n in 1 2 3 4 5 6; do
    keys "$main" space && sleep 0.6 && [ "$n" -ge 3 ] && layer_is $NAMEBOX && break
done
expect "the name box" layer_is $NAMEBOX
type_text "$main" "Wiebke Reß"
keys "$main" Return
expect "the list" layer_is $LIST
file=$(ls -t "$replays"/*.replay.gz | head -n 1)
zcat "$file" | grep -q '^input Wiebke Reß$' || fail "the replay holds no name typed"
# The entry just added is selected: Space shows it, P stops it where the model can look.
keys "$main" space
wait_window "Gravok – Wiedergabe" 10 >/dev/null || fail "Space on the entry showed no replay"
sleep 1
keys "$main" p
expect "P stops the showing" still
expect "the showing from the list is the model's" model_shows replay "$file"
keys "$main" p
wait_window Gravok 30 >/dev/null || fail "the showing did not end with its game"
expect "the list is back" layer_is $LIST
keys "$main" Return
expect "the list closes" layer_is ""

# Over a running game (episode 2: its gravoks drift) the list and its showing pause it,
# closing lets it run on; a game paused by hand stays paused.
step="the list over a game"
keys "$main" F4 2 Return
expect "a new game runs" moving
watch_from_list() {
    click_control lblHighscore || fail "cannot click Highscore"
    expect "the list" layer_is $LIST
    keys "$main" "$1" space
    wait_window "Gravok – Wiedergabe" 10 >/dev/null || fail "Space on the entry showed no replay"
    sleep 0.5
    keys "$main" Escape
    wait_window Gravok 10 >/dev/null || fail "Escape did not end the showing"
    expect "the list is back" layer_is $LIST
    keys "$main" Escape
    expect "the list closes" layer_is ""
}
watch_from_list Down
expect "the game runs on" moving
keys "$main" p
watch_from_list End
expect "the game paused by hand stays paused" still
keys "$main" p
expect "P resumes it" moving

# Won at 50 %: the link and the replay keep the speed, and the list shows it by the mark.
step="won at 50 %"
xd_stop "$XD_LAST_PID"
xd_won_prog "$XD_TMP/slow"
XD_PROG=$XD_TMP/slow
xd_run slow "$XD_PROG/gravok" --speed 50
main=$(wait_window Gravok 30) || fail "no game window at 50 %"
expect "the start-up dialog" layer_is $NEU
keys "$main" Return
sleep 4
for n in 1 2 3 4 5 6 7 8; do
    keys "$main" space && sleep 1.2 && [ "$n" -ge 3 ] && layer_is $NAMEBOX && break
done
expect "the name box at 50 %" layer_is $NAMEBOX
type_text "$main" "Langsam"
keys "$main" Return
expect "the list" layer_is $LIST
shot "$XD_OUT/list-at-50.png"
grep -qP '\t50%\t' "$replays/links.txt" || fail "the entry's link does not keep the speed: $(tail -n 1 "$replays/links.txt")"
zcat "$(ls -t "$replays"/*.replay.gz | head -n 1)" | grep -q '^#@speed 50$' || fail "the replay does not note 50 %"
echo "all replay checks passed"
