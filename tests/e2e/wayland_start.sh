#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Gravok developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The game as a Wayland client of weston's headless compositor: it starts, and the
# start-up dialog is painted as a layer inside the game's own window (gravok-shotcheck
# looks at weston's screenshot), not somewhere else on the screen.
#
#   wayland_start.sh PROGRAM_DIR SHOTCHECK ART_DIR OUT_DIR
#
# Exit 0 when the checks hold, 1 on a failure, 77 (skipped) without weston.
set -uo pipefail
if [ $# -ne 4 ]; then
    echo "usage: $0 PROGRAM_DIR SHOTCHECK ART_DIR OUT_DIR" >&2
    exit 2
fi
program_dir=$1 shotcheck=$2 art_dir=$3 out=$4
for tool in weston weston-screenshooter convert; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing (Debian packages weston, imagemagick)"; exit 77; }
done
[ -e /usr/lib/x86_64-linux-gnu/qt6/plugins/platforms/libqwayland-generic.so ] \
    || ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1 \
    || { echo "SKIP: Qt's Wayland platform plugin is missing (Debian package qt6-wayland)"; exit 77; }

rm -rf "$out"
mkdir -p "$out"
run=$(mktemp -d "${TMPDIR:-/tmp}/gravok-wayland.XXXXXX")
chmod 700 "$run"
pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null; done
    rm -rf "$run"
}
trap cleanup EXIT
fail() {
    echo "FAILED: $*" >&2
    echo "screenshots and logs: $out" >&2
    exit 1
}

export XDG_RUNTIME_DIR=$run
socket=gravok-$$
weston --backend=headless-backend.so --use-pixman --socket="$socket" --width=1280 --height=1024 \
    --shell=desktop-shell.so --debug --idle-time=0 >"$out/weston.log" 2>&1 &
pids+=("$!")
for _ in $(seq 100); do [ -S "$run/$socket" ] && break; sleep 0.1; done
[ -S "$run/$socket" ] || fail "weston did not start"
export WAYLAND_DISPLAY=$socket

cp -r "$program_dir" "$run/prog" || fail "cannot copy $program_dir"
rm -f "$run/prog/Punkte.lst"
QT_QPA_PLATFORM=wayland XDG_DATA_HOME=$run/data "$run/prog/gravok" >"$out/gravok.log" 2>&1 &
game=$!
pids+=("$game")

# weston knows where it put the window, we do not: the game's client area is the largest
# connected stretch of pure black on the screen (the desktop and the frame are not black).
shot_and_find() {
    rm -f "$run"/wayland-screenshot*.png
    (cd "$run" && timeout 10 weston-screenshooter) >/dev/null 2>&1 || return 1
    mv "$run"/wayland-screenshot*.png "$out/01-startup.png" 2>/dev/null || return 1
    local found
    found=$(convert "$out/01-startup.png" -fill white -opaque '#000000' -fill black +opaque white \
        -define connected-components:verbose=true -define connected-components:area-threshold=20000 \
        -connected-components 4 null: 2>/dev/null | awk '/srgb\(255,255,255\)/ { print $4, $2 }' | sort -n | tail -n 1)
    [ -n "$found" ] || return 1
    local geometry=${found#* } w h x y
    IFS='x+' read -r w h x y <<<"$geometry"
    main="$x,$y,$w,$h"
    [ "$w" -ge 320 ] && [ "$h" -ge 288 ]
}
deadline=$((SECONDS + 30))
report=$out/01-startup.startup.txt
until shot_and_find && "$shotcheck" startup --shot "$out/01-startup.png" --dir "$run/prog" --art "$art_dir" \
    --main "$main" >"$report" 2>&1; do
    kill -0 "$game" 2>/dev/null || fail "the game ended: $(tail -n 3 "$out/gravok.log")"
    [ $SECONDS -ge $deadline ] && { cat "$report" >&2 2>/dev/null; fail "no start-up layer inside the game window"; }
    sleep 0.5
done
echo "ok   the start-up layer is painted inside the game window at $main"
# Keys cannot be typed into weston's headless seat with Debian's tools; the keys of the
# layers are tested in the X11 window and offscreen.
echo "wayland start-up passed; screenshot in $out"
