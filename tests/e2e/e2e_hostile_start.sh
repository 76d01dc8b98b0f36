#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Gravok developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The window opens at once whatever lies under the names of the files it reads at start:
# replays/links.txt, gravok.conf, the old gravok.ini and the pad's test script, each
# planted as a pipe and as a link to a sparse 4 GB file of the test's own. Each plant is
# still what it was once the game has ended.
#
#   e2e_hostile_start.sh PROGRAM_DIR SHOTCHECK ART_DIR OUT_DIR
#
# Exit 0 when every start opened its window, 1 naming the first that did not, 77 without Xvfb.
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=xdrive.sh
. "$here/xdrive.sh"
xd_e2e_args "$@"
xd_e2e_begin
xd_start_display 800x700 || fail "no X display"
xd_time_limit 240
xd_fresh_prog
conf=$XDG_CONFIG_HOME/gravok
replays=$XDG_DATA_HOME/gravok/replays
script=$XD_WORK/pad-script
mkdir -p "$conf" "$replays"
truncate -s 4G "$XD_WORK/huge"

for plant in pipe huge; do
    for name in "$replays/links.txt" "$conf/gravok.conf" "$conf/gravok.ini" "$script"; do
        step="$plant as ${name##*/}"
        rm -f "$name"
        if [ "$plant" = pipe ]; then mkfifo "$name"; else ln -s "$XD_WORK/huge" "$name"; fi
        began=$(date +%s%N)
        xd_run "start-$plant-${name##*/}" env GRAVOK_PAD_SCRIPT="$script" "$XD_PROG/gravok" --mute
        pid=$XD_LAST_PID
        # A hang here was a minute and more; a start takes well under a second.
        main=$(wait_window "Gravok" 15) || fail "no window"
        echo "ok   window after $(( ($(date +%s%N) - began) / 1000000 )) ms with ${name##*/} a $plant"
        kill -TERM "$pid"
        for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
        kill -0 "$pid" 2>/dev/null && fail "the game did not end on SIGTERM"
        if [ "$plant" = pipe ]; then [ -p "$name" ]; else [ -L "$name" ] && [ "$(stat -c %s "$XD_WORK/huge")" = 4294967296 ]; fi \
            || fail "${name##*/} is no longer what was planted"
        rm -f "$name"
    done
done
grep -h "bleiben unbeachtet" "$XD_OUT"/start-pipe-gravok.conf.log >/dev/null || fail "no word on the set-aside settings"
echo "ok   every plant left as it was"
