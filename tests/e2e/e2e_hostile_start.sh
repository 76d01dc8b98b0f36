#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Gravok developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The window opens at once whatever lies under the names of the files read at start:
# replays/links.txt, gravok.conf, the old gravok.ini and the pad's test script, each planted
# as a pipe and as a link to a sparse 4 GB file of the test's own; each is left as it was.
set -uo pipefail
. "$(dirname "$0")/xdrive.sh"
xd_e2e_begin "$@" 800x700
conf=$XDG_CONFIG_HOME/gravok
replays=$XDG_DATA_HOME/gravok/replays
script=$XD_WORK/pad-script
mkdir -p "$conf" "$replays"
truncate -s 4G "$XD_WORK/huge"

for plant in pipe huge; do
    for name in "$replays/links.txt" "$conf/gravok.conf" "$conf/gravok.ini" "$script"; do
        step="$plant as ${name##*/}"
        rm -f "$name" # the last start wrote gravok.conf
        if [ $plant = pipe ]; then mkfifo "$name"; else ln -s "$XD_WORK/huge" "$name"; fi
        xd_run "$plant-${name##*/}" env GRAVOK_PAD_SCRIPT="$script" "$XD_PROG/gravok" --mute
        pid=$XD_LAST_PID
        # A hang here was a minute and more; a start takes well under a second.
        main=$(wait_window Gravok 15) || fail "no window"
        kill -TERM "$pid"
        xd_until 10 eval '! kill -0 $pid 2>/dev/null' || fail "the game did not end on SIGTERM"
        xd_until 10 xd_no_window || fail "the window stayed after SIGTERM"
        if [ $plant = pipe ]; then [ -p "$name" ]; else [ -L "$name" ] && [ "$(stat -c %s "$XD_WORK/huge")" = 4294967296 ]; fi ||
            fail "${name##*/} is no longer what was planted"
        rm -f "$name"
        echo "ok   the window opens with ${name##*/} a $plant"
    done
done
grep -q "bleiben unbeachtet" "$XD_OUT/pipe-gravok.conf.log" || fail "no word on the set-aside settings"
