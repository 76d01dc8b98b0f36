#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Gravok developers
# SPDX-License-Identifier: GPL-3.0-or-later
# An English desktop gets the English window, LANG=C the German one, and "Sprache" in the
# settings changes the window at once and is kept.
set -uo pipefail
. "$(dirname "$0")/xdrive.sh"
xd_e2e_begin "$@"

# strip NAME: a shot of the status strip below the field (the last 90 rows at scale 1).
strip() {
    local x y w h
    shot "$XD_OUT/$1.full.png" && IFS=, read -r x y w h < <(rect_of "$main") &&
        convert "$XD_OUT/$1.full.png" -crop "${w}x90+$x+$((y + h - 90))" +repage "$XD_OUT/$1.png"
}
same() { [ "$(compare -metric AE "$XD_OUT/$1.png" "$XD_OUT/$2.png" null: 2>&1)" = 0 ]; }
# play LANG NAME [KEYS]: the game started in LANG, its strip shot as NAME after KEYS, ended.
play() {
    xd_run "gravok-$2" env LANG="$1" "$XD_PROG/gravok" --stats
    main=$(wait_window Gravok 30) || fail "no game window"
    expect "the window painted in $1" painted "gravok-$2"
    keys "$main" Return ${3:-} && sleep 0.5
    expect "the strip shot ($2)" strip "$2"
    keys "$main" ctrl+q && wait_gone "$main" || fail "Ctrl+Q did not end the game"
}

play C.UTF-8 german
play en_US.UTF-8 english
same german english && fail "an English desktop shows the German strip"
# "Sprache" is the fifth row: Automatisch, then Deutsch.
play en_US.UTF-8 switched "F3 Down Down Down Down Right Escape"
expect "Deutsch in the settings gives the German strip at once" same german switched
grep -qx 'language=de' "$XDG_CONFIG_HOME/gravok/gravok.conf" || fail "the choice was not kept"
echo "all language checks passed"
