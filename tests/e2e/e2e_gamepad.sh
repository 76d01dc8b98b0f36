#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Gravok developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The window played with a gamepad alone: SDL's virtual pad, driven through the game's
# test hook GRAVOK_PAD_SCRIPT (a file of pad commands the game follows as it grows).
set -uo pipefail
. "$(dirname "$0")/xdrive.sh"
xd_e2e_begin "$@"
# Episode 4 becomes one gravok right above the shuttle: three shots win it.
printf '1\r\n10,4372,1500,0,0\r\n\r\n' >"$XD_PROG/Episode4.gvk"
pad_file=$XD_WORK/pad
: >"$pad_file"
pad() { for line in "$@"; do echo "$line" >>"$pad_file" && sleep 0.06; done; }
tap() { for b in "$@"; do pad "down $b" "up $b"; done; }

step="start-up"
GRAVOK_PAD_SCRIPT=$pad_file xd_run gravok "$XD_PROG/gravok"
main=$(wait_window Gravok 30) || fail "no game window"
expect "the start-up dialog" layer_is $NEU
step="episode 3 with the D-pad, Start pauses"
tap down down a start
expect "Start pauses" still
expect "the paused window shows the model's episode 3" model_shows episode 3
tap start
expect "Start resumes" moving

step="Back: a new game, episode 4 won with A"
tap back
expect "the new-game dialog" layer_is $NEU
tap down down down a
expect "the dialog closes" layer_is ""
sleep 2 # so that the game watched later lasts
# A shot that hits leaves its slot to the explosion for 200 ms: a shot fired into it
# meanwhile would go with it.
for n in 1 2 3; do tap a && sleep 0.6; done
expect "the name box" layer_is $NAMEBOX
# The name letter by letter: C taken, A taken, B deletes it, A again, then D; Start enters.
step="a name with the letter picker"
tap up up a down down a b a up up up a start
expect "Start enters the name, the list opens" layer_is $LIST
printf 'click lblOK\nclick lblHighscore\nget Liste.List(0)\n' | "$XD_PROG/gravok-sim" --dir "$XD_PROG" >"$XD_OUT/list.txt"
grep -qx '[-0-9]*: CAD (4)' "$XD_OUT/list.txt" || fail "no entry of CAD for episode 4 in the list"
step="the entry watched with the pad"
tap a
wait_window "Gravok – Wiedergabe" 10 >/dev/null || fail "A on the entry showed no replay"
# The showing lasts as long as the game did (the name box held its clock), longer on a loaded machine.
wait_window Gravok 120 >/dev/null || fail "the showing did not end with its game"
expect "the list is back" layer_is $LIST
tap b
expect "B closes the list" layer_is ""

# Unplugged while Up is held, the repeats stop at once; plugged in again, the pad plays on.
step="unplug and plug"
ups() { grep -c "Testpad-Taste 38" "$XD_OUT/gravok.log"; }
before=$(ups)
pad "down up"
sleep 1.2
pad unplug
sleep 0.3
held=$(ups)
sleep 1.2
[ $((held - before)) -ge 5 ] || fail "a held Up did not repeat"
[ "$(ups)" -eq "$held" ] || fail "Up went on after the pad was unplugged"
pad plug
sleep 1.5
tap back
expect "Back opens the new-game dialog again" layer_is $NEU
tap b
expect "B cancels it" layer_is ""
echo "all gamepad checks passed"
