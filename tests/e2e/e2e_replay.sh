#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Gravok developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Replays in the real window: a short game played with real keys and ended with "Ende" is
# recorded in the replay folder, plays headless through gravok-sim, and shows in the window
# with --replay, where a screenshot taken while the showing stands still must match the
# headless model at one tick of the same replay.
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
dialog=$(wait_dialog "$main" 30) || fail "the start-up dialog did not appear"
keys "$dialog" Return
wait_no_dialog "$main" 20 || fail "Enter did not close the start-up dialog"
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
shot "$out/10-watch-stopped.png"
"$shotcheck" replay --shot "$out/10-watch-stopped.png" --dir "$work/prog" --art "$art_dir" --main "$main_rect" \
    --replay "$file" --max-ticks 200 >"$out/10-watch-stopped.replay.txt" 2>&1 \
    || { cat "$out/10-watch-stopped.replay.txt" >&2; fail "the replay's screenshot does not match the model"; }
echo "ok   check replay on 10-watch-stopped.png"
convert -size 1280x1024 xc:black "$out/00-blank.png"
if "$shotcheck" replay --shot "$out/00-blank.png" --dir "$work/prog" --art "$art_dir" --main "$main_rect" \
    --replay "$file" --max-ticks 200 >"$out/00-blank.replay.txt" 2>&1; then
    fail "the replay check accepted a blank screen"
fi
echo "ok   check replay rejects 00-blank.png"
keys "$main" Escape
wait_gone "$main" 20 || fail "Escape did not end the showing"
[ "$(ls "$replays" | wc -l)" -eq "$count_before" ] || fail "watching a replay recorded another"
echo "ok   Escape ends the showing, nothing recorded"
echo "all replay window checks passed"
