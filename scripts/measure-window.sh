#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Gravok developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures what the game costs in the real window under Xvfb, with public tools: pidstat
# (or /proc) for the CPU while a game runs and while it is paused, /usr/bin/time -v for the peak
# resident memory, and the game's own --stats line for the time to the first frame.
#   scripts/measure-window.sh [PROGRAM_DIR] [SECONDS] [SCREEN_WxH] [fullscreen] [busy]
# The window opens at scale 1 on a 1280x1024 screen unless told otherwise; "fullscreen"
# presses F11 once the game runs. "busy" plays a level of ten gravoks drifting in two
# rows while the shuttle flies between them at full speed, firing every 100 ms.
# GRAVOK_REFRESH_HZ and --stepped (GRAVOK_ARGS) pass on to the game.
set -uo pipefail
cd "$(dirname "$0")/.."
source tests/e2e/xdrive.sh
program=${1:-build/gravok}
seconds=${2:-30}
screen_size=${3:-1280x1024}
fullscreen=${4:-}
busy=${5:-}
xd_need || exit 1
command -v /usr/bin/time >/dev/null || { echo "measure: /usr/bin/time is missing (package time)" >&2; exit 1; }

xd_start_display "$screen_size" || exit 1
cp -r "$program" "$XD_TMP/program"
if [ "$busy" = busy ]; then
    { printf '1\r\n'
      for x in 0 1900 3800 5700 7600; do printf '1,%d,300,50,0\r\n1,%d,6300,-50,0\r\n' $x $x; done
      printf '\r\n'; } >"$XD_TMP/program/Episode1.gvk"
fi
XD_LOG_DIR=$XD_TMP
/usr/bin/time -v -o "$XD_TMP/time.txt" "$XD_TMP/program/gravok" --stats ${GRAVOK_ARGS:-} >"$XD_TMP/game.log" 2>&1 &
XD_PIDS+=("$!")
main=$(wait_window "Gravok" 30) || exit 1
pid=$(xdotool getwindowpid "$main")
# The start-up dialog is a layer of the window, painted with its first frame.
xd_until 30 grep -q '^stats: first frame' "$XD_TMP/game.log" || exit 1
keys "$main" Return
xd_until 30 grep -Eq 'tmeBewegung [1-9]' "$XD_TMP/game.log" || exit 1
[ "$fullscreen" = fullscreen ] && keys "$main" F11 Up Up
if [ "$busy" = busy ]; then
    keys "$main" Right Right Right Right $(printf 'Up %.0s' $(seq 100))
    (while sleep 0.1; do xdotool key space; done) &
    XD_PIDS+=("$!")
    firing=$!
fi
sleep 1

# pidstat's "Average:" line: the %CPU column of our process; without pidstat, the same
# from the process's user and system time in /proc over the same span.
cpu() {
    if command -v pidstat >/dev/null; then
        pidstat -u -p "$pid" 1 "$1" | awk '/^Average:/ && $0 !~ /%CPU/ { print $(NF - 2) }'
        return
    fi
    local before after
    before=$(awk '{ print $14 + $15 }' "/proc/$pid/stat")
    sleep "$1"
    after=$(awk '{ print $14 + $15 }' "/proc/$pid/stat")
    awk -v d=$((after - before)) -v hz="$(getconf CLK_TCK)" -v s="$1" 'BEGIN { printf "%.2f\n", 100 * d / hz / s }'
}
running=$(cpu "$seconds")
[ -n "${firing:-}" ] && kill "$firing"
keys "$main" p
sleep 1
paused=$(cpu "$seconds")
rss_now=$(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status")
kill "$pid"
for _ in $(seq 50); do [ -s "$XD_TMP/time.txt" ] && break; sleep 0.1; done

first=$(sed -n 's/^stats: first frame \([0-9]*\) ms.*/\1/p' "$XD_TMP/game.log")
peak=$(awk -F': ' '/Maximum resident set size/ { print $2 }' "$XD_TMP/time.txt")
rate=$(grep '^stats: [0-9.]* s,' "$XD_TMP/game.log" | sed -n "$((seconds / 2))p" | sed -E 's/.*, ([0-9.]+) ticks\/s, ([0-9.]+) frames\/s(, interval p50\/p99\/max [^,]*)?.*/\1 ticks\/s, \2 frames\/s\3/')
echo "first frame:        ${first:-?} ms after the process started"
echo "CPU, game running:  ${running:-?} % of one core (${seconds} s, pidstat)"
echo "CPU, game paused:   ${paused:-?} % of one core (${seconds} s, pidstat)"
echo "resident memory:    $((rss_now / 1024)) MB at the end, peak $((peak / 1024)) MB (/usr/bin/time -v)"
echo "while running:      ${rate:-?}"
# Over every second of the run: the longest frame interval, and the frames drawn ahead.
longest=$(grep '^stats: [0-9.]* s,' "$XD_TMP/game.log" | sed -n "3,${seconds}p" |
    sed -nE 's/.*interval p50\/p99\/max [0-9.]+\/[0-9.]+\/([0-9.]+) ms.*/\1/p' | sort -g | tail -n 1)
ahead=$(grep -oE 'ahead [0-9.]+ %, re-aimed [0-9.-]+ %' "$XD_TMP/game.log" | sed -n "$((seconds / 2))p")
echo "longest interval:   ${longest:-?} ms over the run"
echo "drawn ahead:        ${ahead:--}"
