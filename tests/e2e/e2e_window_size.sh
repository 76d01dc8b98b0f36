#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Gravok developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The window on screens of any size: F11 fills a 1920x1080 screen and gives the window
# back; a size the player gave it comes back after a restart; on a 3840x2160 screen at
# QT_SCALE_FACTOR=2 the fullscreen game fills the screen's height to the device pixel.
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
. "$here/xdrive.sh"
xd_e2e_args "$@"
xd_e2e_begin
# The window may still be taking the size it remembered: check measures it before each look.
XD_MEASURE_MAIN=1

# Waits until window ID has size WxH.
wait_size() {
    _xd_wait 20 "window $1 is not $2" size_is "$1" "$2"
}
size_is() {
    local g
    g=$(window_geometry "$1") || return 1
    [ "$(awk '{ print $3 "x" $4 }' <<<"$g")" = "$2" ]
}

# The first and last column of row Y of SHOT that are not the bars' colour.
field_columns() {
    local file=$1 y=$2 width
    width=$(identify -format '%w' "$file")
    convert "$file" -crop "${width}x1+0+${y}" +repage txt:- |
        awk -F'[,: ]+' 'NR > 1 && $0 !~ /#1C202A/ { if (first == "") first = $1; last = $1 }
                         END { print first, last }'
}

# Starts the game in its own copy of the program directory (ENV, as VAR=VALUE, for the
# game alone) and closes the start-up dialog. The dialog is a layer of the game window,
# so it is seen on screenshots and Enter goes to the window; the field is measured only
# once the layer is gone. SHOT names the screenshots.
#   start_game SHOT [ENV...]
start_game() {
    local name=$1
    shift
    xd_run gravok env "$@" "$XD_PROG/gravok" || return 1
    main=$(wait_window "Gravok" 30) || return 1
    check startup "$name-startup.png"
    keys "$main" Return || return 1
    check closed "$name-started.png"
}

stop_game() {
    local pid
    pid=$(window_pid "$main")
    click_control lblEnde || return 1 # the program ends as the player ends it
    for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || return 0; sleep 0.1; done
    return 1
}

# A fresh display of SIZE with its own copy of the program directory and its own
# settings (xd_start_display points XDG_CONFIG_HOME into its scratch directory).
fresh_display() {
    xd_start_display "$1" && [ -n "$XD_TMP" ] || return 1
    xd_time_limit 85
    XD_WORK=$XD_TMP/work XD_PROG=$XD_TMP/work/prog
    mkdir -p "$XD_WORK"
    cp -r "$XD_PROGRAM_DIR" "$XD_PROG"
}

# --- 1920x1080: F11 and back, the size remembered.
step="full HD"
fresh_display 1920x1080 || fail "no X display"
start_game 00-1080 || fail "the game did not start"
wait_size "$main" 640x576 || fail "the window did not open at 640x576"
keys "$main" F11
wait_size "$main" 1920x1080 || fail "F11 did not fill the screen"
sleep 0.5
shot "$XD_OUT/01-fullscreen-1080.png"
read -r first last < <(field_columns "$XD_OUT/01-fullscreen-1080.png" 5)
[ "$first" = 360 ] && [ "$last" = 1559 ] || fail "field spans columns $first..$last, expected 360..1559 (scale 1.875)"
echo "ok   F11 fills 1920x1080 at scale 1.875"
# Paused, the checker finds level 1's gravoks where the model puts them, at this scale.
keys "$main" p
check level1 02-fullscreen-1080-paused.png --episode 1 --max-ticks 100
keys "$main" p
keys "$main" F11
wait_size "$main" 640x576 || fail "F11 again did not give the window back"
echo "ok   F11 again gives the window back"

step="size remembered"
xdotool windowsize "$main" 1000 900
wait_size "$main" 1000x900 || fail "the window could not be resized"
stop_game || fail "\"Ende\" did not end the game"
start_game 04-restart || fail "the game did not start again"
wait_size "$main" 1000x900 || fail "the restart did not restore the size"
echo "ok   a restart restores 1000x900"
stop_game || fail "\"Ende\" did not end the game"
xd_cleanup
XD_PIDS=()

# --- 3840x2160 at twice the scale: the height filled within a device pixel.
step="4K at 200 %"
fresh_display 3840x2160 || fail "no 4K X display"
start_game 05-2160 QT_SCALE_FACTOR=2 || fail "the game did not start at QT_SCALE_FACTOR=2"
keys "$main" F11
sleep 1.5
shot "$XD_OUT/03-fullscreen-2160.png"
# Best fit: 2160 / 576 = 3.75, so 2400 device pixels wide from column 720.
for y in 3 1080 2156; do
    read -r first last < <(field_columns "$XD_OUT/03-fullscreen-2160.png" "$y")
    if [ $((first < 719 || first > 721 || last < 3118 || last > 3120)) = 1 ]; then
        fail "row $y: field spans columns $first..$last, expected 720..3119 within a pixel"
    fi
done
echo "ok   3840x2160 at QT_SCALE_FACTOR=2 fills the height (field 720..3119)"
echo "all window-size checks passed"
