#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Gravok developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures what the game costs in the real window under Xvfb at scale 1, with public tools:
# pidstat for the CPU while a game runs and while it is paused, /usr/bin/time -v for the
# peak resident memory, and the game's own --stats line for the time to the first frame.
#   scripts/measure-window.sh [PROGRAM_DIR] [SECONDS]
set -uo pipefail
cd "$(dirname "$0")/.."
source tests/e2e/xdrive.sh
program=${1:-build/gravok}
seconds=${2:-30}
xd_need || exit 1
for tool in pidstat /usr/bin/time; do
    command -v "$tool" >/dev/null || { echo "measure: $tool is missing (packages sysstat, time)" >&2; exit 1; }
done

xd_start_display 1280x1024 || exit 1
cp -r "$program" "$XD_TMP/program"
XD_LOG_DIR=$XD_TMP
/usr/bin/time -v -o "$XD_TMP/time.txt" "$XD_TMP/program/gravok" --stats >"$XD_TMP/game.log" 2>&1 &
XD_PIDS+=("$!")
main=$(wait_window "Gravok" 30) || exit 1
pid=$(window_pid "$main")
# The start-up dialog is a layer of the window, painted with its first frame.
_xd_until 30 grep -q '^stats: first frame' "$XD_TMP/game.log" || exit 1
keys "$main" Return
_xd_until 30 grep -Eq 'tmeBewegung [1-9]' "$XD_TMP/game.log" || exit 1
sleep 1

# pidstat's "Average:" line: the %CPU column of our process.
cpu() {
    pidstat -u -p "$pid" 1 "$1" | awk '/^Average:/ && $0 !~ /%CPU/ { print $(NF - 2) }'
}
running=$(cpu "$seconds")
keys "$main" p
sleep 1
paused=$(cpu "$seconds")
rss_now=$(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status")
kill "$pid"
for _ in $(seq 50); do [ -s "$XD_TMP/time.txt" ] && break; sleep 0.1; done

first=$(sed -n 's/^stats: first frame \([0-9]*\) ms.*/\1/p' "$XD_TMP/game.log")
peak=$(awk -F': ' '/Maximum resident set size/ { print $2 }' "$XD_TMP/time.txt")
rate=$(grep '^stats: [0-9.]* s,' "$XD_TMP/game.log" | sed -n "$((seconds / 2))p" | sed -E 's/.*, ([0-9.]+) ticks\/s, ([0-9.]+) frames\/s.*/\1 ticks\/s, \2 frames\/s/')
echo "first frame:        ${first:-?} ms after the process started"
echo "CPU, game running:  ${running:-?} % of one core (${seconds} s, pidstat)"
echo "CPU, game paused:   ${paused:-?} % of one core (${seconds} s, pidstat)"
echo "resident memory:    $((rss_now / 1024)) MB at the end, peak $((peak / 1024)) MB (/usr/bin/time -v)"
echo "while running:      ${rate:-?}"
