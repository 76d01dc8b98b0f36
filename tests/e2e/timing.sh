#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Gravok developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The game's clock in the real window under Xvfb: the three 50 ms timers tick 20 times a
# second (within 1 % over the whole run), and a window stopped for a second does not
# replay the missed ticks in a burst afterwards. Reads the counts `gravok --stats` prints.
#   tests/e2e/timing.sh PROGRAM_DIR [SECONDS]
set -uo pipefail
source "$(dirname "$0")/xdrive.sh"
xd_need || exit 77
program=${1:?program directory}
seconds=${2:-20}

fail() {
    echo "FAIL: $*" >&2
    echo "--- game output:" >&2
    cat "$log" >&2
    exit 1
}

xd_start_display || exit 1
xd_time_limit $((seconds + 60))
cp -r "$program" "$XD_TMP/program"
XD_LOG_DIR=$XD_TMP
log=$XD_TMP/game.log
xd_run game "$XD_TMP/program/gravok" --stats
pid=$XD_LAST_PID
main=$(wait_window "Gravok" 30) || fail "no game window"
# The start-up dialog is a layer of the window, painted with its first frame.
_xd_wait 30 "no first frame" grep -q '^stats: first frame' "$log" || fail "the game painted nothing"
keys "$main" Return || fail "cannot press Return"
_xd_wait 30 "no tick" grep -Eq 'tmeBewegung [1-9]' "$log" || fail "Enter in the start-up dialog started no game"

# "stats: 12.345 s, ... total ... tmeBewegung 220 ..." as "12.345 220" for each timer.
reading() {
    local timer=$1 line
    line=$(grep '^stats: [0-9.]* s,' "$log" | tail -n 1)
    [ -n "$line" ] || return 1
    sed -E "s/^stats: ([0-9.]+) s,.* $timer ([0-9]+).*/\1 \2/;t;d" <<<"$line"
}
# Waits until the probe has printed a line later than the given one.
next_reading() {
    local after=$1 now i
    for i in $(seq 100); do
        now=$(grep -c '^stats: ' "$log")
        [ "$now" -gt "$after" ] && return 0
        sleep 0.1
    done
    return 1
}
lines() { grep -c '^stats: ' "$log"; }

next_reading "$(lines)" || fail "no stats line"
declare -A start
for t in tmeBewegung tmeGravokiten tmeSchuss; do
    start[$t]=$(reading $t) || fail "$t does not tick"
done
sleep "$seconds"
next_reading "$(lines)" || fail "no stats line after ${seconds}s"
for t in tmeBewegung tmeGravokiten tmeSchuss; do
    read -r t0 n0 <<<"${start[$t]}"
    read -r t1 n1 < <(reading $t)
    rate=$(awk -v a="$t0" -v b="$t1" -v m="$n0" -v n="$n1" 'BEGIN { printf "%.3f", (n - m) / (b - a) }')
    echo "$t: $((n1 - n0)) ticks in $(awk -v a="$t0" -v b="$t1" 'BEGIN { printf "%.3f", b - a }') s = $rate per second"
    awk -v r="$rate" 'BEGIN { exit !(r >= 19.8 && r <= 20.2) }' || fail "$t ran at $rate ticks per second, not 20 within 1 %"
done

# One second stopped. Afterwards the clock goes on from where it stood, at most one late
# step (100 ms, two ticks) is made up, and then it ticks on at 20 per second.
next_reading "$(lines)"
read -r ta na < <(reading tmeBewegung)
kill -STOP "$pid"
sleep 1
kill -CONT "$pid"
before=$(lines)
next_reading "$before" && next_reading $((before + 1)) && next_reading $((before + 2)) || fail "no stats after the stall"
read -r tb nb < <(reading tmeBewegung)
awk -v a="$ta" -v b="$tb" -v m="$na" -v n="$nb" 'BEGIN {
    running = b - a - 1.0; got = n - m; want = 20 * running
    printf "stall: %d ticks in %.3f s around a 1 s stop (%.1f expected without the stop'"'"'s time)\n", got, b - a, want
    exit !(got <= want + 4 && got >= want - 4) }' || fail "the ticks missed while stopped were replayed (or the clock stopped)"
echo "timing: passed"
