#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Gravok developers
# SPDX-License-Identifier: GPL-3.0-or-later
# What the sound costs in the real window under Xvfb: the game's CPU while it flies and
# fires (a shot every 100 ms), once with sound (SDL's disk driver into /dev/null, which
# paces like a card) and once without a device, from /proc/PID/stat; then the latency
# from a request to the device (bench/gravok-audio-latency).
#   scripts/measure-sound.sh [BUILD_DIR] [SECONDS]
set -uo pipefail
cd "$(dirname "$0")/.."
source tests/e2e/xdrive.sh
build=${1:-build}
seconds=${2:-20}
xd_need || exit 1
xd_start_display 1280x1024 || exit 1
cp -r "$build/gravok" "$XD_TMP/program"
XD_LOG_DIR=$XD_TMP
export XDG_CONFIG_HOME=$XD_TMP/config XDG_DATA_HOME=$XD_TMP/data
ticks=$(getconf CLK_TCK)

# cpu_of DRIVER: % of one core the game used over the measured seconds.
cpu_of() {
    SDL_AUDIODRIVER=$1 SDL_DISKAUDIOFILE=/dev/null xd_run "game-$1" "$XD_TMP/program/gravok" --stats
    local pid=$XD_LAST_PID main
    main=$(wait_window "Gravok" 30) || return 1
    # The start-up dialog is a layer of the window, painted with its first frame.
    xd_until 30 painted "game-$1" || return 1
    keys "$main" Return
    xd_until 30 grep -Eq 'tmeBewegung [1-9]' "$XD_TMP/game-$1.log" || return 1
    keys "$main" Up Up Up Left
    sleep 1
    (while :; do xdotool key space; sleep 0.1; done) &
    local firing=$!
    local before after
    before=$(awk '{ print $14 + $15 }' "/proc/$pid/stat")
    sleep "$seconds"
    after=$(awk '{ print $14 + $15 }' "/proc/$pid/stat")
    kill "$firing"
    wait "$firing" 2>/dev/null
    kill "$pid"
    wait "$pid" 2>/dev/null
    awk -v d=$((after - before)) -v t="$ticks" -v s="$seconds" 'BEGIN { printf "%.2f", 100 * d / t / s }'
}

with=$(cpu_of disk)
without=$(cpu_of none)
echo "CPU flying and firing, with sound:    ${with} % of one core (${seconds} s)"
echo "CPU flying and firing, without sound: ${without} % of one core"
awk -v a="$with" -v b="$without" 'BEGIN { printf "the sound costs:                      %.2f %% of one core\n", a - b }'
"$build/bench/gravok-audio-latency" 200 2>/dev/null | sed 's/^/latency: /'
