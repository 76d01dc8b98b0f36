#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Gravok developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The game as a Wayland client of weston's headless compositor: on weston's screenshot the
# start-up dialog's white frame (302x241 at scale 1) lies inside the game window's black
# client area, a layer of that window and not a window of its own. Skipped without weston.
set -uo pipefail
out=${4:?usage: $0 PROGRAM_DIR SHOTCHECK ART_DIR OUT_DIR}
command -v weston-screenshooter >/dev/null && command -v convert >/dev/null &&
    ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1 ||
    { echo "SKIP: needs the packages weston, qt6-wayland and imagemagick"; exit 77; }
rm -rf "$out" && mkdir -p "$out"
run=$(mktemp -d "${TMPDIR:-/tmp}/gravok-wayland.XXXXXX")
pids=()
trap 'for p in "${pids[@]}"; do kill $p; done; wait; rm -rf "$run"' EXIT
export XDG_RUNTIME_DIR=$run WAYLAND_DISPLAY=gravok-$$
# --debug lets the screenshooter in.
weston --backend=headless-backend.so --use-pixman --socket="$WAYLAND_DISPLAY" --width=1280 --height=1024 \
    --shell=desktop-shell.so --debug --idle-time=0 >"$out/weston.log" 2>&1 &
pids+=("$!")
for _ in $(seq 100); do [ -S "$run/$WAYLAND_DISPLAY" ] && break; sleep 0.1; done
cp -r "$1" "$run/prog" && rm -f "$run/prog/Punkte.lst"
QT_QPA_PLATFORM=wayland XDG_DATA_HOME=$run/data "$run/prog/gravok" >"$out/gravok.log" 2>&1 &
game=$!
pids+=("$game")

# The largest shape left white by the colour options, as "W H X Y".
largest() {
    convert "$out/screen.png" "$@" -define connected-components:verbose=true -connected-components 4 null: |
        awk '/\(255/ { print $4, $2 }' | sort -n | tail -n 1 | cut -d' ' -f2 | tr 'x+' '  '
}
layer_inside() {
    rm -f "$run"/wayland-screenshot*.png
    (cd "$run" && timeout 10 weston-screenshooter) >/dev/null 2>&1 && mv "$run"/wayland-screenshot*.png "$out/screen.png" ||
        return 1
    local fw fh fx fy ww wh wx wy
    read -r fw fh fx fy < <(largest -fill black +opaque white)
    read -r ww wh wx wy < <(largest -fill white -opaque black -fill black +opaque white)
    [ "${fw}x$fh" = 302x241 ] && [ "$fx" -gt "$wx" ] && [ "$fy" -gt "$wy" ] &&
        [ $((fx + fw)) -lt $((wx + ww)) ] && [ $((fy + fh)) -lt $((wy + wh)) ]
}
deadline=$((SECONDS + 30))
until layer_inside; do
    kill -0 $game 2>/dev/null || { echo "FAILED: the game ended: $(tail -n 3 "$out/gravok.log")" >&2; exit 1; }
    [ $SECONDS -lt $deadline ] || { echo "FAILED: no start-up layer inside the game window; see $out" >&2; exit 1; }
    sleep 0.5
done
echo "ok   the start-up layer is painted inside the game window"
