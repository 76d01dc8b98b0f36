#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Gravok developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the Debian package with lintian, installs it for real, plays one whole game in the
# installed program's real window as an ordinary user under Xvfb, and finds the game's
# entry in that user's own high-score list (the installed folders cannot be written).
# Then root runs the game and opens the list, which must write nothing under /usr, and the
# package is removed, leaving none of its files behind. Skipped (77) without root.
# The dialogs are layers of the game window; gravok-shotcheck finds them on screenshots.
#   tests/package/play_installed.sh BUILD_DIR GRAVOK_SIM SHOTCHECK ART_DIR
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../e2e/xdrive.sh"
build=${1:?build directory}
sim=${2:?gravok-sim}
shotcheck=${3:?gravok-shotcheck}
art_dir=${4:?art directory}
prog=/usr/lib/games/gravok       # the executables
share=/usr/share/games/gravok    # episodes and help file
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
root_home=""
cleanup() {
    xd_cleanup
    apt-get remove -y -qq gravok >/dev/null 2>&1
    id "$player" >/dev/null 2>&1 && userdel "$player" 2>/dev/null
    [ -n "$home" ] && rm -rf "$home"
    [ -n "$root_home" ] && rm -rf "$root_home"
}

# Ends the game that owns window ID and waits until it is gone.
end_game() {
    local pid
    pid=$(window_pid "$1") && kill "$pid" 2>/dev/null
    wait_gone "$1" 20
}

deb=$("$here/build_deb.sh" "$build") || fail "the package was not built"

# lintian at its strictest: no error, no warning, and every other tag overridden with a
# reason in the package's own override file (those show as O: and pass).
if command -v lintian >/dev/null; then
    report=$(lintian -EvIL +pedantic --show-overrides --tag-display-limit 0 "$deb" 2>&1 | grep -v '^running with root privileges')
    tags=$(grep -E '^[EWIPX]: ' <<<"$report")
    [ -z "$tags" ] || fail "lintian reports tags without an override:
$tags"
    echo "lintian: clean ($(grep -c '^O: ' <<<"$report") overridden tag(s), each with its reason)"
else
    echo "note: lintian missing, the package is not checked"
fi

echo "installing $deb"
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null || fail "apt-get install failed"
xd_start_display || { cleanup; fail "no X display"; }
trap cleanup EXIT
xd_time_limit 840   # ctest's own limit is 900 s
home=$(mktemp -d /tmp/gravok-player.XXXXXX)
useradd --home-dir "$home" --no-create-home --shell /bin/sh "$player" || fail "cannot add user $player"
chown "$player:" "$home"
chmod 755 "$home"

as_player() {
    runuser -u "$player" -- env -i DISPLAY="$DISPLAY" HOME="$home" PATH=/usr/games:/usr/bin:/bin LANG=C.UTF-8 "$@"
}
for dir in $prog $share; do
    as_player test -w $dir && fail "$dir is writable for $player"
done
[ "$(readlink -f /usr/games/gravok)" = $prog/gravok ] || fail "/usr/games/gravok does not lead to $prog/gravok"

XD_LOG_DIR=$XD_TMP
xd_run game runuser -u "$player" -- env -i DISPLAY="$DISPLAY" HOME="$home" PATH=/usr/games:/usr/bin:/bin LANG=C.UTF-8 gravok
main=$(wait_window "Gravok" 30) || fail "the installed game shows no window"
# The desktop matches the window to its entry by the window's class.
wm_class=$(sed -n 's/^StartupWMClass=//p' /usr/share/applications/io.github.gravok.Gravok.desktop)
if command -v xprop >/dev/null; then
    xprop -id "$main" WM_CLASS | grep -q "\"$wm_class\"\$" ||
        fail "the window's class ($(xprop -id "$main" WM_CLASS)) is not the desktop entry's StartupWMClass=$wm_class"
fi
# The driver's checks look at the installed game's files, its screenshots go with the build.
XD_PROG=$share XD_ART=$art_dir XD_SHOTCHECK=$shotcheck XD_OUT=$shots
main_rect=$(rect_of "$main") || fail "no geometry of the game window"
check startup startup.png
# Episode 3 ends soonest for a shuttle flying fast in circles: chosen with the keyboard alone.
keys "$main" Down Down Return || fail "cannot choose episode 3"
check closed playing.png

# Fast circles: collisions slow the shuttle down, so it keeps speeding up.
keys "$main" $(printf 'Up %.0s' $(seq 20)) || fail "cannot speed up"
asked=""
started=$SECONDS
while [ $((SECONDS - started)) -lt 480 ]; do
    shot "$shots/game-over.png"
    "$shotcheck" namebox --shot "$shots/game-over.png" --dir $share --art "$art_dir" --main "$main_rect" \
        --words "Game over!" >/dev/null 2>&1 && { asked=1; break; }
    keys "$main" Up Up Up Left >/dev/null 2>&1
    sleep 0.3
done
[ -n "$asked" ] || fail "the game did not end within 8 minutes (no name box with \"Game over!\" above it)"
echo "game over after $((SECONDS - started)) s"
type_text "$main" "$name" && keys "$main" Return || fail "cannot enter the name"
check scores-open highscores.png --words "Game over!"
keys "$main" Return
check closed after-list.png

entries=$home/.local/share/gravok/Punkte.lst
[ -s "$entries" ] || fail "no per-user list at $entries"
for f in $prog/Punkte.lst $share/Punkte.lst; do
    [ ! -e $f ] || fail "the game wrote $f"
done
# The harness reads the installed episodes; the list it shows is the player's.
first=$(printf 'click lblOK\nclick lblHighscore\nget Liste.List(0)\n' | as_player "$sim" --dir $share) \
    || fail "the harness cannot read the player's list"
case $first in
    *"$name"*) echo "entry in $entries: $first" ;;
    *) fail "the list's first entry is \"$first\", not the game just played by \"$name\"" ;;
esac
end_game "$main" || fail "the player's game did not end"

# --- Root runs the installed game and opens the list: nothing may appear or change under
# /usr (root can write there, so only the game's own rule keeps it out).
root_home=$(mktemp -d /tmp/gravok-root.XXXXXX)
marker=$root_home/before
touch "$marker"
sleep 1
xd_run rootgame env -i DISPLAY="$DISPLAY" HOME="$root_home" PATH=/usr/games:/usr/bin:/bin LANG=C.UTF-8 gravok
main=$(wait_window "Gravok" 30) || fail "the game run by root shows no window"
main_rect=$(rect_of "$main") || fail "no geometry of root's game window"
check startup root-startup.png
keys "$main" Return || fail "cannot start root's game"
check closed root-playing.png
click_control lblHighscore || fail "cannot click lblHighscore"
check scores-open root-highscores.png
keys "$main" Return
check closed root-after-list.png
end_game "$main" || fail "root's game did not end"
written=$(find /usr -xdev -newer "$marker" 2>/dev/null)
[ -z "$written" ] || fail "the game run by root wrote under /usr:
$written"
echo "root run: nothing written under /usr"

# --- Removal takes every file of the package, and its own folders, with it.
files=$(dpkg-query -L gravok) || fail "dpkg does not know the package's files"
apt-get remove -y -qq gravok >/dev/null 2>&1 || fail "apt-get remove failed"
left=""
for f in $prog $share /usr/share/doc/gravok $files; do
    case " $prog $share /usr/share/doc/gravok " in
        *" $f "*) ;;                              # the package's own folders go too
        *) [ -d "$f" ] && [ ! -L "$f" ] && continue ;;   # folders shared with others stay
    esac
    if [ -e "$f" ] || [ -L "$f" ]; then left="$left $f"; fi
done
[ -z "$left" ] || fail "removing the package left behind:$left"
echo "removed: nothing of the package is left"
echo "play_installed: passed"
