#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Gravok developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The game's clock in the real window: its 50 ms timers tick 20 times a second (within
# 1 % over 20 s), a window stopped for a second does not catch up in a burst, and at
# `--speed 50` they tick 10 times a second with the frames drawn ahead. Reads the counts
# `gravok --stats` prints once a second.
set -uo pipefail
. "$(dirname "$0")/xdrive.sh"
xd_e2e_begin "$@"
log=$XD_OUT/gravok.log
xd_run gravok "$XD_PROG/gravok" --stats
pid=$XD_LAST_PID
main=$(wait_window Gravok 30) || fail "no game window"
expect "the window painted" painted gravok
keys "$main" Return
expect "Enter starts the game" grep -Eq 'tmeBewegung [1-9]' "$log"

lines() { grep -c '^stats: [0-9.]* s,' "$log"; }
# The next stats line as "SECONDS TICKS" of the timer.
next_reading() {
    local n
    n=$(lines)
    xd_until 10 eval '[ $(lines) -gt $n ]' && grep '^stats: [0-9.]* s,' "$log" | tail -n 1 |
        sed -E "s/^stats: ([0-9.]+) s,.* $1 ([0-9]+).*/\1 \2/"
}

step="20 ticks a second"
timers=(tmeBewegung tmeGravokiten tmeSchuss)
declare -A start
for t in "${timers[@]}"; do start[$t]=$(next_reading $t); done
sleep 20
for t in "${timers[@]}"; do
    awk -v t=$t '{ r = ($4 - $2) / ($3 - $1); print t ": " r " ticks a second"; exit !(r >= 19.8 && r <= 20.2) }' \
        <<<"${start[$t]} $(next_reading $t)" || fail "$t is not at 20 ticks a second"
done

# Stopped for a second: at most one late step (two ticks) is made up afterwards.
step="stopped a second"
before=$(next_reading tmeBewegung)
kill -STOP "$pid"
sleep 1
kill -CONT "$pid"
next_reading tmeBewegung >/dev/null
awk '{ want = 20 * ($3 - $1 - 1); got = $4 - $2; print got " ticks around the stop, " want " without it"
    exit !(got <= want + 4 && got >= want - 4) }' <<<"$before $(next_reading tmeBewegung)" ||
    fail "the missed ticks were replayed, or the clock stopped"

# At a game speed of 50 % the same timers tick 10 times a second, and frames still come at
# the screen's rate.
step="--speed 50"
xd_stop "$pid"
log=$XD_OUT/slow.log
xd_run slow "$XD_PROG/gravok" --stats --speed 50
pid=$XD_LAST_PID
main=$(wait_window Gravok 30) || fail "no game window at 50 %"
expect "the slower game painted" painted slow
keys "$main" Return
expect "Enter starts the slower game" grep -Eq 'tmeBewegung [1-9]' "$log"
first=$(next_reading tmeBewegung)
sleep 20
# Within 1 %, and the tick either side of a reading that falls between two ticks.
awk '{ want = 10 * ($3 - $1); got = $4 - $2; print "at 50 %: " got / ($3 - $1) " ticks a second"
    exit !(got >= want * 0.99 - 1 && got <= want * 1.01 + 1) }' \
    <<<"$first $(next_reading tmeBewegung)" || fail "the game at 50 % is not at 10 ticks a second"
grep '^stats: ' "$log" | tail -n 1 | grep -Eq ', (5[0-9]|6[0-9])\.[0-9] frames/s' ||
    fail "frames are no longer at the screen's rate at 50 %"
grep '^stats: ' "$log" | tail -n 1 | grep -Eq ', ahead (9[0-9]|100)\.[0-9] %, re-aimed [0-9.-]+ %' ||
    fail "the frames are not drawn ahead toward the next tick"
