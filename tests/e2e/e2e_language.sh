#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Gravok developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The window's language: an English desktop gets the English window, LANG=C the German
# one, and "Sprache" in the settings changes the window at once.
set -uo pipefail
. "$(dirname "$0")/xdrive.sh"
xd_e2e_begin "$@"

# strip NAME: the status strip below the field (the last 90 of 576 rows at scale 1).
strip() {
    local x y w h
    shot "$XD_OUT/$1.full.png" && IFS=, read -r x y w h < <(rect_of "$main") || return 1
    convert "$XD_OUT/$1.full.png" -crop "${w}x90+$x+$((y + h - 90))" +repage "$XD_OUT/$1.png"
}
same() { [ "$(compare -metric AE "$XD_OUT/$1.png" "$XD_OUT/$2.png" null: 2>&1)" = 0 ]; }
# start LANG: the game in its window, the start-up dialog taken with Enter.
start() {
    xd_run "gravok-$1" env LANG="$1" "$XD_PROG/gravok" --stats
    main=$(wait_window Gravok 30) || fail "no game window"
    expect "the window painted" painted "gravok-$1"
    keys "$main" Return
    sleep 0.5
}
stop() {
    keys "$main" ctrl+q
    wait_gone "$main" || fail "Ctrl+Q did not end the game"
}

step="German"
start C.UTF-8
expect "the strip shot in German" strip german
stop

step="English"
start en_US.UTF-8
expect "the strip shot in English" strip english
! same german english || fail "an English desktop shows the German strip"
echo "ok   an English desktop shows another strip than LANG=C"
# "Sprache" is the fifth row: Automatisch, then Deutsch.
keys "$main" F3 Down Down Down Down Right Escape
sleep 0.5
expect "Deutsch in the settings gives the German strip at once" eval 'strip switched && same german switched'
stop
grep -q '^language=de$' "$XDG_CONFIG_HOME/gravok/gravok.conf" || fail "the choice was not kept"
echo "ok   the choice is kept in gravok.conf"
echo "all language checks passed"
