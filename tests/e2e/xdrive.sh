# SPDX-FileCopyrightText: 2026 The Gravok developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Drives real X windows on a private virtual display: source this file, then
#
#   xd_need || exit 77                 # Xvfb, xdotool and import are there (else say what is missing)
#   xd_start_display [WxH]             # a fresh Xvfb on a free display; exports DISPLAY
#   xd_time_limit SECONDS              # ends the script (cleaning up) if it runs longer
#   xd_run NAME PROGRAM [ARGS...]      # starts a program in the background; its pid in XD_PIDS[NAME]
#   id=$(wait_window "TITLE" SECONDS)  # a visible window with exactly that title, once it is mapped
#   wait_gone ID SECONDS               # until the window is no longer visible
#   keys ID KEY...                     # focus ID, then real key presses (xdotool names: Return p space)
#   type_text ID TEXT                  # types TEXT into the focused widget of ID
#   click_at ID X Y                    # left click at X,Y relative to the window ID
#   shot FILE                          # the whole screen as PNG (all windows as the player sees them)
#   window_geometry ID                 # prints "X Y W H" of the window on the screen
#   rect_of ID                         # the same as "X,Y,W,H", as gravok-shotcheck's --main takes it
#   click_control NAME                 # a click on frmHaupt's control NAME in window $main
#
# For the game's real-window tests, which all take PROGRAM_DIR SHOTCHECK ART_DIR OUT_DIR and
# exit 0 when every check holds, 1 naming the first that failed, 77 (skipped) without the tools:
#
#   xd_e2e_args "$@"                   # sets XD_PROGRAM_DIR XD_SHOTCHECK XD_ART XD_OUT, or usage, exit 2
#   xd_e2e_begin                       # skip (77) without the tools; an empty XD_OUT for shots and logs
#   fail MESSAGE                       # names $step and XD_OUT, exits 1
#   xd_fresh_prog                      # PROGRAM_DIR copied to XD_PROG (in XD_WORK), no Punkte.lst
#   xd_won_prog DIR                    # XD_PROG copied to DIR, its episode 1 won with three shots
#   check NAME SHOT [OPTIONS]          # screenshot SHOT until gravok-shotcheck NAME passes (20 s)
#   reject NAME SHOT [OPTIONS]         # gravok-shotcheck NAME must fail on SHOT as it is
#
# check and reject give the checker --dir XD_PROG --art XD_ART --main $main_rect; with
# XD_MEASURE_MAIN set, check measures the window $main anew before each look instead.
# Everything started here (Xvfb, the programs, windows found by wait_window) is ended on
# exit by its process id. Every wait polls until a deadline, so a loaded machine only
# makes the test slower, not wrong. Functions print "xdrive: ..." to stderr on failure
# and return 1.

XD_PIDS=()      # processes we started, ended on exit
XD_XVFB=""      # the X server's pid
XD_TMP=""       # scratch directory of the display
XD_LOG_DIR="${XD_LOG_DIR:-}"

xd_need() {
    local missing=""
    command -v Xvfb >/dev/null || missing="$missing xvfb"
    command -v xdotool >/dev/null || missing="$missing xdotool"
    command -v import >/dev/null || missing="$missing imagemagick"
    if [ -n "$missing" ]; then
        echo "xdrive: missing packages:$missing (scripts/install-deps.sh installs them)" >&2
        return 1
    fi
}

xd_cleanup() {
    local pid
    for pid in "${XD_PIDS[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    for pid in "${XD_PIDS[@]}"; do
        _xd_reap "$pid"
    done
    XD_PIDS=()
    if [ -n "$XD_XVFB" ]; then
        kill "$XD_XVFB" 2>/dev/null || true
        _xd_reap "$XD_XVFB"
        XD_XVFB=""
    fi
    [ -n "$XD_TMP" ] && rm -rf "$XD_TMP"
    XD_TMP=""
}

# Waits up to 5 s for a process to end, then kills it hard.
_xd_reap() {
    local pid=$1 i
    for i in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || { wait "$pid" 2>/dev/null; return 0; }
        sleep 0.1
    done
    kill -9 "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

# Xvfb picks a free display itself (-displayfd) and writes its number once it accepts
# clients, so there is no race with other X servers and no guessing when it is ready.
xd_start_display() {
    local size=${1:-1280x1024}
    XD_TMP=$(mktemp -d "${TMPDIR:-/tmp}/xdrive.XXXXXX")
    trap 'xd_cleanup' EXIT
    trap 'xd_cleanup; exit 130' INT
    trap 'xd_cleanup; exit 143' TERM
    local fifo=$XD_TMP/displayfd
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$fifo" \
        >"$XD_TMP/xvfb.log" 2>&1 &
    XD_XVFB=$!
    local n=""
    read -r -t 30 n <"$fifo" || true
    if [ -z "$n" ]; then
        echo "xdrive: Xvfb did not start:" >&2
        cat "$XD_TMP/xvfb.log" >&2
        return 1
    fi
    export DISPLAY=":$n"
    # Programs started here show real windows on it, whatever platform the caller chose.
    unset QT_QPA_PLATFORM
    # The window's remembered size and place are the run's own, not the user's.
    export XDG_CONFIG_HOME=$XD_TMP/config
}

# A watchdog: after SECONDS the script gets SIGTERM and cleans up, before a test runner
# that kills it outright would leave the display and the programs behind.
xd_time_limit() {
    local seconds=$1 script=$$
    (
        sleep "$seconds" &
        nap=$!
        trap 'kill $nap 2>/dev/null; exit 0' TERM
        wait $nap && echo "xdrive: time limit of ${seconds}s reached" >&2 && kill -TERM "$script"
    ) &
    XD_PIDS+=("$!")
}

# Starts a program in the background, its output in XD_LOG_DIR/NAME.log (or the scratch dir).
xd_run() {
    local name=$1
    shift
    local log=${XD_LOG_DIR:-$XD_TMP}/$name.log
    "$@" >"$log" 2>&1 &
    XD_PIDS+=("$!")
    XD_LAST_PID=$!
}

# Polls until COMMAND succeeds or SECONDS pass.
_xd_until() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    while :; do
        "$@" && return 0
        [ $SECONDS -ge $deadline ] && return 1
        sleep 0.1
    done
}

# The oldest (lowest id) visible window with exactly that title: a program's main window
# is made before its dialogs, which may carry the same title.
_xd_find_title() {
    local title=$1 id
    id=$(xdotool search --onlyvisible --name "^$(_xd_regex "$title")\$" 2>/dev/null | sort -n | head -n 1)
    [ -n "$id" ] && echo "$id"
}

_xd_regex() {
    printf '%s' "$1" | sed 's/[][\.*^$(){}+?|/]/\\&/g'
}

# Like _xd_until, but says MESSAGE when the time runs out.
_xd_wait() {
    local seconds=$1 message=$2
    shift 2
    _xd_until "$seconds" "$@" && return 0
    echo "xdrive: $message after ${seconds}s" >&2
    return 1
}

# Prints the id of a visible window titled TITLE (exactly) once there is one.
wait_window() {
    _xd_wait "${2:-20}" "no window \"$1\"" _xd_find_title "$1"
}

# Waits until the window ID is no longer visible (closed or unmapped).
wait_gone() {
    _xd_wait "${2:-20}" "window $1 still visible" _xd_gone "$1"
}

_xd_gone() {
    ! xdotool search --onlyvisible --name '.*' 2>/dev/null | grep -qx "$1"
}

# The pid of the program that shows window ID.
window_pid() {
    xdotool getwindowpid "$1"
}

# Gives ID the keyboard focus (there is no window manager to do it), then presses each
# key through the XTEST extension, as a keyboard would: a down and an up event per key.
keys() {
    local id=$1
    shift
    _xd_focus "$id" || return 1
    xdotool key --clearmodifiers --delay 40 "$@"
}

type_text() {
    local id=$1 text=$2
    _xd_focus "$id" || return 1
    xdotool type --clearmodifiers --delay 40 -- "$text"
}

_xd_focus() {
    local id=$1 i
    for i in $(seq 50); do
        xdotool windowfocus --sync "$id" 2>/dev/null && return 0
        sleep 0.1
    done
    echo "xdrive: cannot focus window $id" >&2
    return 1
}

# A left click at X,Y inside window ID (window pixels).
click_at() {
    local id=$1 x=$2 y=$3
    xdotool mousemove --window "$id" --sync "$x" "$y" || return 1
    sleep 0.05
    xdotool click 1
}

# The whole screen, as the player sees it, into FILE (PNG).
shot() {
    import -window root "$1"
}

# "X Y W H" of window ID on the screen.
window_geometry() {
    local id=$1
    eval "$(xdotool getwindowgeometry --shell "$id")" || return 1
    echo "$X $Y $WIDTH $HEIGHT"
}

# "X,Y,W,H" of window ID.
rect_of() {
    local g
    g=$(window_geometry "$1") || return 1
    set -- $g
    echo "$1,$2,$3,$4"
}

# A left click on the middle of frmHaupt's control NAME where the model puts it in $main.
click_control() {
    local at
    at=$("$XD_SHOTCHECK" where "$1" --dir "$XD_PROG" --art "$XD_ART" --main "$(rect_of "$main")") || return 1
    click_at "$main" ${at/,/ }
}

xd_e2e_args() {
    if [ $# -ne 4 ]; then
        echo "usage: $0 PROGRAM_DIR SHOTCHECK ART_DIR OUT_DIR" >&2
        exit 2
    fi
    XD_PROGRAM_DIR=$1 XD_SHOTCHECK=$2 XD_ART=$3 XD_OUT=$4
}

xd_e2e_begin() {
    xd_need || { echo "SKIP: the e2e test needs Xvfb, xdotool and imagemagick"; exit 77; }
    rm -rf "$XD_OUT"
    mkdir -p "$XD_OUT"
    XD_LOG_DIR=$XD_OUT
    step="start"
}

# A script that keeps other files may define its own fail after sourcing this one.
fail() {
    echo "FAILED at step \"$step\": $*" >&2
    echo "screenshots and logs: $XD_OUT" >&2
    exit 1
}

# A fresh program directory without a high-score list, and the game's data place beside
# it, so a test writes nothing into the build or the user's home.
xd_fresh_prog() {
    XD_WORK=$XD_TMP/work
    XD_PROG=$XD_WORK/prog
    mkdir -p "$XD_WORK/data"
    cp -r "$XD_PROGRAM_DIR" "$XD_PROG" || fail "cannot copy $XD_PROGRAM_DIR"
    rm -f "$XD_PROG/Punkte.lst"
    export XDG_DATA_HOME=$XD_WORK/data
}

# A copy of XD_PROG in DIR without a list, its episode 1 a single gravok straight above
# the shuttle: three shots win the game.
xd_won_prog() {
    cp -r "$XD_PROG" "$1" && rm -f "$1/Punkte.lst" || fail "cannot copy $XD_PROG"
    printf '1\r\n1,4560,1200,0,0\r\n\r\n' >"$1/Episode1.gvk"
}

# check NAME SHOT [options]: takes the screenshot and has the checker look at it, again
# and again until it passes or 20 s are over: a window may take a while to paint on a
# loaded machine, and every state checked stands still (paused or in a layer). The last
# report stays beside the screenshot. The checker runs at its own scale, not the game's.
check() {
    local name=$1 file=$2
    shift 2
    local report="$XD_OUT/${file%.png}.$name.txt"
    local deadline=$((SECONDS + 20)) rect=${main_rect:-}
    while :; do
        shot "$XD_OUT/$file"
        if { [ -z "${XD_MEASURE_MAIN:-}" ] || rect=$(rect_of "$main"); } &&
            env -u QT_SCALE_FACTOR "$XD_SHOTCHECK" "$name" --shot "$XD_OUT/$file" --dir "$XD_PROG" \
                --art "$XD_ART" --main "$rect" "$@" >"$report" 2>&1; then
            echo "ok   check $name on $file"
            return 0
        fi
        [ $SECONDS -ge $deadline ] && break
        sleep 0.5
    done
    cat "$report" >&2
    fail "check \"$name\" on $file: $(grep -m1 '^FAIL' "$report" || tail -n 1 "$report")"
}

# reject NAME SHOT [options]: the checker must say no, or it could not say no at all.
reject() {
    local name=$1 file=$2
    shift 2
    local report="$XD_OUT/${file%.png}.$name.rejected.txt"
    if "$XD_SHOTCHECK" "$name" --shot "$XD_OUT/$file" --dir "$XD_PROG" --art "$XD_ART" --main "$main_rect" "$@" \
        >"$report" 2>&1; then
        cat "$report" >&2
        fail "negative check: \"$name\" accepted $file, which must fail"
    fi
    echo "ok   check $name rejects $file"
}
