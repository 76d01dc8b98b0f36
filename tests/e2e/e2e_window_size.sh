#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Gravok developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The window on screens of any size: F11 fills a 1920x1080 screen and gives the window
# back; a size the player gave it comes back after a restart; on a 3840x2160 screen at
# QT_SCALE_FACTOR=2 the fullscreen field fills the height to the device pixel.
set -uo pipefail
. "$(dirname "$0")/xdrive.sh"
xd_e2e_begin "$@" 1920x1080

size_is() { [ "$(rect_of "$main" | cut -d, -f3,4)" = "$1" ]; }
# The first and last column of row Y that are not the bars' slate, after a fresh shot.
columns_are() {
    shot "$XD_OUT/columns.png" || return 1
    [ "$(convert "$XD_OUT/columns.png" -crop "$(identify -format %w "$XD_OUT/columns.png")x1+0+$1" +repage txt:- |
        awk -F'[,: ]+' 'NR > 1 && !/#1C202A/ { if (first == "") first = $1; last = $1 } END { print first, last }')" = "$2" ]
}
# start [VAR=VALUE...]: the game in its window, the start-up dialog taken with Enter.
start() {
    xd_run gravok env "$@" "$XD_PROG/gravok" --stats
    main=$(wait_window Gravok 30) || fail "no game window"
    expect "the window painted" painted gravok
    keys "$main" Return
}
# "Ende" ends the program, which keeps the window's size.
stop() {
    click_control lblEnde || fail "cannot click Ende"
    wait_gone "$main" || fail "\"Ende\" did not end the game"
}

step="full HD"
start
expect "the window opens at 640x576" size_is 640,576
keys "$main" F11
expect "F11 fills the screen" size_is 1920,1080
expect "the field spans columns 360..1559 (scale 1.875)" columns_are 5 "360 1559"
keys "$main" F11
expect "F11 again gives the window back" size_is 640,576
xdotool windowsize "$main" 1000 900
expect "the window takes 1000x900" size_is 1000,900
stop
start
expect "a restart restores 1000x900" size_is 1000,900
stop

step="4K at 200 %"
xd_cleanup
xd_start_display 3840x2160 || fail "no 4K display"
xd_time_limit 120
XD_PROG=$XD_TMP/prog XDG_DATA_HOME=$XD_TMP/data
cp -r "$XD_PROGRAM_DIR" "$XD_PROG" || fail "cannot copy the program"
start QT_SCALE_FACTOR=2
keys "$main" F11
# Best fit: 2160 / 576 = 3.75, 2400 device pixels wide from column 720.
for y in 3 1080 2156; do
    expect "row $y: the field spans columns 720..3119" columns_are $y "720 3119"
done
echo "all window-size checks passed"
