# SPDX-FileCopyrightText: 2026 The Gravok developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Drives real X windows on a private Xvfb display; sourced by the real-window tests and by
# scripts/measure-*.sh. Everything started here is ended by its pid on exit; every wait
# polls until a deadline, so a loaded machine makes a test slower, not wrong. A test takes
# PROGRAM_DIR SHOTCHECK ART_DIR OUT_DIR, calls xd_e2e_begin "$@" and checks with expect.
XD_PIDS=() XD_TMP="" XD_LOG_DIR=""
# The frames of the layers at scale 1 in the 640x576 window, as WxH+X+Y in it.
NEU=302x241+169+168 LIST=378x299+131+139 ABOUT=640x498+0+39 NAMEBOX=302x162+169+304

xd_need() {
    command -v Xvfb >/dev/null && command -v xdotool >/dev/null && command -v import >/dev/null ||
        { echo "xdrive: needs the packages xvfb, xdotool and imagemagick" >&2; return 1; }
}

xd_cleanup() {
    local pid
    for pid in "${XD_PIDS[@]}"; do kill "$pid" 2>/dev/null; done
    for pid in "${XD_PIDS[@]}"; do
        timeout 5 tail --pid="$pid" -f /dev/null || kill -9 "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    XD_PIDS=()
    [ -n "$XD_TMP" ] && rm -rf "$XD_TMP"
    XD_TMP=""
}

# xd_start_display [WxH]: Xvfb picks a free display and names it once it takes clients.
xd_start_display() {
    XD_TMP=$(mktemp -d "${TMPDIR:-/tmp}/xdrive.XXXXXX")
    trap xd_cleanup EXIT
    trap 'exit 143' INT TERM
    mkfifo "$XD_TMP/fd"
    Xvfb -displayfd 3 -screen 0 "${1:-1280x1024}x24" -nolisten tcp -noreset 3>"$XD_TMP/fd" >"$XD_TMP/xvfb.log" 2>&1 &
    XD_PIDS+=("$!")
    local n=""
    read -r -t 30 n <"$XD_TMP/fd"
    [ -n "$n" ] || { cat "$XD_TMP/xvfb.log" >&2; return 1; }
    # Real windows there, their remembered size and place the run's own, and in German
    # (the model a shot is held against speaks it) unless a test asks for another language.
    export DISPLAY=:$n XDG_CONFIG_HOME=$XD_TMP/config LANG=C.UTF-8
    unset LANGUAGE LC_ALL LC_MESSAGES
    unset QT_QPA_PLATFORM
}

# After SECONDS the script is ended (and cleans up) before a test runner kills it outright.
xd_time_limit() {
    local script=$$
    (sleep "$1" & trap "kill $! 2>/dev/null; exit" TERM
        wait $! && echo "xdrive: time limit of $1 s reached" >&2 && kill -TERM $script) &
    XD_PIDS+=("$!")
}

# xd_run NAME COMMAND...: in the background, output in NAME.log; its pid in XD_LAST_PID.
xd_run() {
    "${@:2}" >"${XD_LOG_DIR:-$XD_TMP}/$1.log" 2>&1 &
    XD_LAST_PID=$!
    XD_PIDS+=("$!")
}

# xd_stop PID: ends a game started by xd_run and waits until its windows are gone, so that
# the next start's window is not mistaken for the dying one.
xd_stop() {
    kill "$1" 2>/dev/null
    wait "$1" 2>/dev/null
    xd_until 10 xd_no_window
}
xd_no_window() { ! _xd_find "Gravok.*" >/dev/null; }

xd_until() {
    local deadline=$((SECONDS + $1))
    until "${@:2}"; do
        [ $SECONDS -lt $deadline ] && sleep 0.2 || return 1
    done
}

# The game started with --stats as NAME has painted its first frame (the start-up layer in it).
painted() { grep -q '^stats: first frame' "${XD_LOG_DIR:-$XD_TMP}/$1.log"; }

# The oldest visible window of that title: a main window is made before its dialogs.
_xd_find() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | sort -n | head -n 1 | grep .; }
_xd_gone() { ! xdotool search --onlyvisible --name '.*' 2>/dev/null | grep -qx "$1"; }
wait_window() { xd_until "${2:-20}" _xd_find "$1"; }
wait_gone() { xd_until "${2:-20}" _xd_gone "$1"; }

# There is no window manager: the window gets the focus, then real key presses (XTEST).
keys() { xd_until 5 xdotool windowfocus --sync "$1" && xdotool key --clearmodifiers --delay 40 "${@:2}"; }
type_text() { xd_until 5 xdotool windowfocus --sync "$1" && xdotool type --clearmodifiers --delay 40 -- "$2"; }
shot() { import -window root "$1"; }

# "X,Y,W,H" of window ID on the screen.
rect_of() {
    local X Y WIDTH HEIGHT WINDOW SCREEN
    eval "$(xdotool getwindowgeometry --shell "$1")" && echo "$X,$Y,$WIDTH,$HEIGHT"
}

# A click on the middle of the control NAME of the game window $main, where the model has it.
click_control() {
    local at
    at=$("$XD_SHOTCHECK" where "$1" "$XD_PROG" "$(rect_of "$main")") || return 1
    xdotool mousemove --window "$main" --sync ${at/,/ } sleep 0.05 click 1
}

# Skips (77) without the tools; a display, a time limit, and the program copied to XD_PROG
# without a high-score list, the data place XDG_DATA_HOME beside it.
xd_e2e_begin() {
    [ $# -ge 4 ] || { echo "usage: $0 PROGRAM_DIR SHOTCHECK ART_DIR OUT_DIR" >&2; exit 2; }
    XD_PROGRAM_DIR=$1 XD_SHOTCHECK=$2 XD_ART=$3 XD_OUT=$4 XD_LOG_DIR=$4 step="start"
    xd_need || exit 77
    rm -rf "$XD_OUT" && mkdir -p "$XD_OUT"
    xd_start_display "${5:-1280x1024}" || fail "no X display"
    xd_time_limit 240
    XD_WORK=$XD_TMP/work XD_PROG=$XD_TMP/work/prog
    mkdir -p "$XD_WORK/data"
    cp -r "$1" "$XD_PROG" && rm -f "$XD_PROG/Punkte.lst" || fail "cannot copy $1"
    export XDG_DATA_HOME=$XD_WORK/data
}

fail() {
    echo "FAILED at step \"$step\": $*; screenshots and logs in $XD_OUT" >&2
    exit 1
}

# expect WHAT COMMAND...: COMMAND polled for 20 s; "ok WHAT", or the test fails naming it.
expect() {
    xd_until 20 "${@:2}" || fail "$1"
    echo "ok   $1"
}

# A copy of XD_PROG in DIR whose episode 1 is one gravok above the shuttle: three shots win.
xd_won_prog() {
    cp -r "$XD_PROG" "$1" || fail "cannot copy $XD_PROG"
    printf '1\r\n1,4560,1200,0,0\r\n\r\n' >"$1/Episode1.gvk"
}

# The layer open in the window $main: its white frame, by far the largest white shape there.
layer_is() {
    local x y w h
    shot "$XD_OUT/layer.png" && IFS=, read -r x y w h < <(rect_of "$main") || return 1
    [ "$(convert "$XD_OUT/layer.png" -crop "${w}x$h+$x+$y" +repage -fill black +opaque white \
        -define connected-components:verbose=true -connected-components 8 null: |
        awk '/\(255/ && $4 > 4000 { print $4, $2 }' | sort -n | tail -n 1 | cut -d' ' -f2)" = "$1" ]
}

# Pixels that differ between two screenshots half a second apart: none while paused.
_xd_diff() {
    shot "$XD_OUT/still1.png" && sleep 0.5 && shot "$XD_OUT/still2.png" &&
        compare -metric AE "$XD_OUT/still1.png" "$XD_OUT/still2.png" null: 2>&1
}
still() { [ "$(_xd_diff)" = 0 ]; }
moving() { [ "$(_xd_diff)" -gt 0 ] 2>/dev/null; }

# model_shows (episode N | replay FILE): the window shows the headless model's game.
model_shows() {
    shot "$XD_OUT/model.png" &&
        "$XD_SHOTCHECK" model "$XD_OUT/model.png" "$XD_PROG" "$XD_ART" "$(rect_of "$main")" "$@" >"$XD_OUT/model.txt" 2>&1
}
