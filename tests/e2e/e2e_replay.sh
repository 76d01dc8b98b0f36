#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Gravok developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Replays in the real window: a short game played with real keys and ended with "Ende" is
# recorded in the replay folder, plays headless through gravok-sim, and shows in the window
# with --replay, where a screenshot taken while the showing stands still must match the
# headless model at one tick of the same replay. The dialogs are layers inside the game
# window, so the checker finds them (or their absence) where the model puts them.
#
#   e2e_replay.sh PROGRAM_DIR SHOTCHECK ART_DIR OUT_DIR
#
# Exit 0 when every check holds, 1 naming the first that failed, 77 when Xvfb, xdotool or
# import are missing.
set -uo pipefail

if [ $# -ne 4 ]; then
    echo "usage: $0 PROGRAM_DIR SHOTCHECK ART_DIR OUT_DIR" >&2
    exit 2
fi
program_dir=$1 shotcheck=$2 art_dir=$3 out=$4
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=xdrive.sh
. "$here/xdrive.sh"

xd_need || { echo "SKIP: the e2e test needs Xvfb, xdotool and imagemagick"; exit 77; }

rm -rf "$out"
mkdir -p "$out"
XD_LOG_DIR=$out
step="start"
fail() {
    echo "FAILED at step \"$step\": $*" >&2
    echo "screenshots and logs: $out" >&2
    exit 1
}

xd_start_display 1280x1024 || fail "no X display"
xd_time_limit 150
work=$XD_TMP/work
mkdir -p "$work/data"
cp -r "$program_dir" "$work/prog" || fail "cannot copy $program_dir"
rm -f "$work/prog/Punkte.lst"
export XDG_DATA_HOME=$work/data
replays=$work/data/gravok/replays

# check NAME SHOT [options]: takes the screenshot and has the checker look at it until it
# passes or 20 s are over (a loaded machine paints late; every state checked stands still).
# The last report stays beside the screenshot.
check() {
    local name=$1 file=$2
    shift 2
    local report="$out/${file%.png}.$name.txt"
    local deadline=$((SECONDS + 20))
    while :; do
        shot "$out/$file"
        if "$shotcheck" "$name" --shot "$out/$file" --dir "$work/prog" --art "$art_dir" --main "$main_rect" "$@" \
            >"$report" 2>&1; then
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
    local report="$out/${file%.png}.$name.rejected.txt"
    if "$shotcheck" "$name" --shot "$out/$file" --dir "$work/prog" --art "$art_dir" --main "$main_rect" "$@" \
        >"$report" 2>&1; then
        cat "$report" >&2
        fail "negative check: \"$name\" accepted $file, which must fail"
    fi
    echo "ok   check $name rejects $file"
}

rect_of() {
    local g
    g=$(window_geometry "$1") || return 1
    set -- $g
    echo "$1,$2,$3,$4"
}

# --- A short game with real keys, ended with "Ende".
step="record"
xd_run gravok "$work/prog/gravok"
main=$(wait_window "Gravok" 30) || fail "the game window did not appear"
main_rect=$(rect_of "$main") || fail "no geometry of the game window"
# The start-up dialog is a layer inside the game window: it takes the keys sent there.
check startup 01-startup.png
keys "$main" Return
check closed 02-started.png
reject closed 01-startup.png
keys "$main" Left Left space Up Up space
sleep 1
keys "$main" Right space space Down
sleep 1
ende=$("$shotcheck" where lblEnde --dir "$work/prog" --art "$art_dir" --main "$main_rect") \
    || fail "the checker cannot place lblEnde"
click_at "$main" ${ende/,/ }
wait_gone "$main" 20 || fail "\"Ende\" did not end the game"
file=$(ls "$replays"/*.replay.gz 2>/dev/null | head -n 1)
[ -n "$file" ] || fail "no replay in $replays"
echo "ok   recorded $(basename "$file")"
zcat "$file" | grep -q '^key Left$' || fail "the replay holds no key Left"

# --- The same run headless: it plays through and ends in episode 1.
step="headless"
"$work/prog/gravok-sim" --replay "$file" --dir "$work/prog" >"$out/headless.dump" 2>"$out/headless.err" \
    || fail "gravok-sim --replay failed: $(cat "$out/headless.err")"
grep -q '"Episode":1,' "$out/headless.dump" || fail "the headless replay is not in episode 1"
echo "ok   gravok-sim --replay plays it"

# --- A damaged header is refused with a German message.
step="refused"
printf '#@gravok-replay 1\n#@rules 999\n#@random 1\n' >"$work/other.replay"
if "$work/prog/gravok-sim" --replay "$work/other.replay" >/dev/null 2>"$out/refused.err"; then
    fail "a replay of another rules version was played"
fi
grep -q "Regeln der Version 999" "$out/refused.err" || fail "no clear refusal: $(cat "$out/refused.err")"
echo "ok   another rules version refused"

# --- Watched in the window: P stops the showing, the screenshot matches the model.
step="watch"
count_before=$(ls "$replays" | wc -l)
xd_run watch "$work/prog/gravok" --replay "$file"
main=$(wait_window "Gravok – Wiedergabe" 30) || fail "the replay window did not appear"
main_rect=$(rect_of "$main") || fail "no geometry of the replay window"
sleep 1.5
keys "$main" p
sleep 0.5
check replay 10-watch-stopped.png --replay "$file" --max-ticks 200
# The start-up layer the replay opens is answered from the recording inside its own loop.
check closed 11-watch-no-layer.png
convert -size 1280x1024 xc:black "$out/00-blank.png"
reject replay 00-blank.png --replay "$file" --max-ticks 200
keys "$main" Escape
wait_gone "$main" 20 || fail "Escape did not end the showing"
[ "$(ls "$replays" | wc -l)" -eq "$count_before" ] || fail "watching a replay recorded another"
echo "ok   Escape ends the showing, nothing recorded"
echo "all replay window checks passed"
