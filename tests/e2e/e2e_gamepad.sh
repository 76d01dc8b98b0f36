#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Gravok developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real game window played with a gamepad alone: SDL's virtual pad, driven through the
# game's test hook GRAVOK_PAD_SCRIPT (a file of pad commands the game follows as it
# grows). No key is pressed and no window is clicked; gravok-shotcheck checks the
# screenshots against the game's own model, as for the keyboard.
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
. "$here/xdrive.sh"
xd_e2e_args "$@"
xd_e2e_begin

xd_start_display 1280x1024 || fail "no X display"
xd_time_limit 150
echo "display $DISPLAY"

# A fresh program directory with a known list. Episode 4 is swapped for a one-level
# episode whose only gravok stands right above the shuttle: three shots win the game.
xd_fresh_prog
mkdir -p "$XD_WORK/config"
"$XD_SHOTCHECK" seed-list "$XD_PROG" || fail "cannot write a high-score list"
printf '1\r\n10,4372,1500,0,0\r\n\r\n' >"$XD_PROG/Episode4.gvk"
export XDG_CONFIG_HOME=$XD_WORK/config

# The pad: each line is one thing the player's thumb does; the game reads one per look.
pad_file=$XD_WORK/pad
: >"$pad_file"
pad() {
    local line
    for line in "$@"; do
        echo "$line" >>"$pad_file"
        sleep 0.06
    done
}
# tap BUTTON...: pressed and let go at once, one key press each.
tap() {
    local b
    for b in "$@"; do
        pad "down $b" "up $b"
    done
}

# The dialogs are layers inside the game window: each one is looked for where the model
# puts it, and that it has closed is checked on the screen too.

step="start-up"
GRAVOK_PAD_SCRIPT=$pad_file xd_run gravok "$XD_PROG/gravok"
main=$(wait_window "Gravok" 30) || fail "the game window did not appear"
main_rect=$(rect_of "$main") || fail "no geometry of the game window"
check startup 00-startup.png

# --- Down twice on the D-pad chooses episode 3, A starts it, Start pauses at once.
step="choose episode 3, pause"
tap down down a start
check level1 01-level3-paused.png --episode 3 --max-ticks 100
check closed 01-level3-closed.png --episode 3

# --- Start resumes; fly: three times faster, two turns left, a while on, fire and pause.
step="fly and fire"
tap start up up up left left
sleep 1.5
tap a start
check flying 02-flying.png --episode 3 --keys "Up Up Up Left Left" --max-ticks 200

# --- A whole game: Back asks for a new one, the D-pad goes down to episode 4, A starts
# it; Start resumes, three shots win it; A answers the name box and closes the list.
step="new game with Back"
tap back
check newgame 03-newgame.png --episode 3
reject closed 03-newgame.png --episode 3
tap down down down a
check closed 04-episode4.png --episode 4
step="win episode 4"
# A shot that hits leaves its slot to the explosion, which clears the slot a tick of
# tmeAniSchuss (200 ms) later; a shot fired into that slot meanwhile is cleared with it.
# So each A waits until the last explosion is over.
tap a
sleep 0.6
tap a
sleep 0.6
tap a
check namebox 05-name-box.png --words "Geschafft!"
reject closed 05-name-box.png --episode 4
step="name-less entry"
tap a
check scores-open 06-list.png --words "Geschafft!"
reject closed 06-list.png --episode 4
tap a
check closed 07-after-list.png --episode 4

# The entry is in the list: no name, episode 4, read back through the harness.
step="entry in the list"
found=""
for i in 0 1 2 3 4; do
    line=$(printf 'click lblOK\nclick lblHighscore\nget Liste.List(%d)\n' "$i" |
        "$XD_PROGRAM_DIR/gravok-sim" --dir "$XD_PROG" 2>/dev/null) || break
    echo "list $i: $line"
    case $line in *:\ \ \(4\)) found=$line ;; esac
done
[ -n "$found" ] || fail "no name-less entry of episode 4 in the list"
grep -q "Testpad-Taste" "$XD_OUT/gravok.log" || fail "the game logged no pad keys"

# --- Unplugged while Up is held: the repeats stop at once, no key stays held. Plugged in
# again, the pad plays on.
step="unplug and plug"
ups() { grep -c "Testpad-Taste 38" "$XD_OUT/gravok.log"; }
before=$(ups)
pad "down up"
sleep 1.2
pad unplug
sleep 0.3
held=$(ups)
sleep 1.2
after=$(ups)
echo "Up held: $((held - before)) presses; after unplugging: $((after - held))"
[ $((held - before)) -ge 5 ] || fail "a held Up did not repeat ($((held - before)) presses)"
[ "$after" -eq "$held" ] || fail "Up went on after the pad was unplugged"
pad plug
sleep 1.5
tap back
check newgame 08-plugged-again.png --episode 4
tap b
check closed 09-cancelled.png --episode 4

echo "all gamepad checks passed; screenshots in $XD_OUT"
