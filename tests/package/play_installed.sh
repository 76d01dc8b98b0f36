#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Gravok developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian package for real, plays one whole game in the installed program's
# real window as an ordinary user under Xvfb, and finds the game's entry in that user's
# own high-score list (the installed program directory cannot be written). The package
# and the user are removed again at the end. Skipped (77) without root.
# The dialogs are layers of the game window; gravok-shotcheck finds them on screenshots.
#   tests/package/play_installed.sh BUILD_DIR GRAVOK_SIM [SHOTCHECK [ART_DIR]]
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../e2e/xdrive.sh"
build=${1:?build directory}
sim=${2:?gravok-sim}
shotcheck=${3:-$build/tests/e2e/gravok-shotcheck}
art=${4:-$build/art}
player=gravok-player-$$   # a name of its own per run: nothing left over can clash
name="Testpilot $$"
shots=$build/tests/package-shots
mkdir -p "$shots"

[ "$(id -u)" -eq 0 ] || { echo "skipped: installing a package needs root"; exit 77; }
command -v apt-get >/dev/null || { echo "skipped: no apt-get"; exit 77; }
xd_need || exit 77
if dpkg-query -W -f='${Status}' gravok 2>/dev/null | grep -q 'install ok installed'; then
    echo "skipped: a gravok package is installed already and stays untouched"
    exit 77
fi

fail() {
    echo "FAIL: $*" >&2
    [ -f "${XD_TMP:-/nonexistent}/game.log" ] && { echo "--- game output:" >&2; cat "$XD_TMP/game.log" >&2; }
    exit 1
}
home=""
cleanup() {
    xd_cleanup
    apt-get remove -y -qq gravok >/dev/null 2>&1
    id "$player" >/dev/null 2>&1 && userdel "$player" 2>/dev/null
    [ -n "$home" ] && rm -rf "$home"
}

deb=$("$here/build_deb.sh" "$build") || fail "the package was not built"
echo "installing $deb"
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null || fail "apt-get install failed"
xd_start_display || { cleanup; fail "no X display"; }
trap cleanup EXIT
xd_time_limit 660   # ctest's own limit is 720 s
home=$(mktemp -d /tmp/gravok-player.XXXXXX)
useradd --home-dir "$home" --no-create-home --shell /bin/sh "$player" || fail "cannot add user $player"
chown "$player:" "$home"
chmod 755 "$home"

as_player() {
    runuser -u "$player" -- env -i DISPLAY="$DISPLAY" HOME="$home" PATH=/usr/bin:/bin LANG=C.UTF-8 "$@"
}
[ -w /usr/lib/gravok ] && as_player test -w /usr/lib/gravok && fail "the program directory is writable for $player"

XD_LOG_DIR=$XD_TMP
xd_run game runuser -u "$player" -- env -i DISPLAY="$DISPLAY" HOME="$home" PATH=/usr/bin:/bin LANG=C.UTF-8 gravok
main=$(wait_window "Gravok" 30) || fail "the installed game shows no window"
main_rect=$(window_geometry "$main" | tr ' ' ,) || fail "no geometry of the game window"
# seen CHECK FILE [options]: the screenshot FILE shows what CHECK looks for, now.
seen() {
    local name=$1 file=$shots/$2
    shift 2
    shot "$file"
    "$shotcheck" "$name" --shot "$file" --dir /usr/lib/gravok --art "$art" --main "$main_rect" "$@" \
        >"${file%.png}.$name.txt" 2>&1
}
# waits up to 20 s for it
await() {
    _xd_until 20 seen "$@" || { cat "$shots/${2%.png}.$1.txt" >&2; fail "check $1 on $2"; }
}
await startup startup.png
# Episode 3 ends soonest for a shuttle flying fast in circles: chosen with the keyboard alone.
keys "$main" Down Down Return || fail "cannot choose episode 3"
await closed playing.png

# Fast circles: collisions slow the shuttle down, so it keeps speeding up.
keys "$main" $(printf 'Up %.0s' $(seq 20)) || fail "cannot speed up"
asked=""
started=$SECONDS
while [ $((SECONDS - started)) -lt 480 ]; do
    seen namebox game-over.png --words "Game over!" && { asked=1; break; }
    keys "$main" Up Up Up Left >/dev/null 2>&1
    sleep 0.3
done
[ -n "$asked" ] || fail "the game did not end within 8 minutes (no name box with \"Game over!\" above it)"
echo "game over after $((SECONDS - started)) s"
type_text "$main" "$name" && keys "$main" Return || fail "cannot enter the name"
await scores-open highscores.png --words "Game over!"
keys "$main" Return
await closed after-list.png

entries=$home/.local/share/gravok/Punkte.lst
[ -s "$entries" ] || fail "no per-user list at $entries"
[ ! -e /usr/lib/gravok/Punkte.lst ] || fail "the game wrote into the program directory"
first=$(printf 'click lblOK\nclick lblHighscore\nget Liste.List(0)\n' | as_player "$sim" --dir /usr/lib/gravok) \
    || fail "the harness cannot read the player's list"
case $first in
    *"$name"*) echo "entry in $entries: $first" ;;
    *) fail "the list's first entry is \"$first\", not the game just played by \"$name\"" ;;
esac
echo "play_installed: passed"
