#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Gravok developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package for real (root only, else skipped): lintian finds nothing without an
# override; installed, it plays a whole game as an ordinary user, whose own list gets the
# entry; root's run and its list write nothing under /usr; removal leaves nothing behind.
#   tests/package/play_installed.sh BUILD_DIR GRAVOK_SIM SHOTCHECK ART_DIR
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../e2e/xdrive.sh"
[ "$(id -u)" -eq 0 ] && command -v apt-get >/dev/null && xd_need || { echo "SKIP: needs root, apt-get and Xvfb"; exit 77; }
if dpkg-query -W -f='${Status}' gravok 2>/dev/null | grep -q 'install ok installed'; then
    echo "SKIP: a gravok package is installed already and stays untouched"
    exit 77
fi
build=$1 sim=$2 XD_SHOTCHECK=$3 XD_OUT=$1/tests/package-shots XD_LOG_DIR=$1/tests/package-shots
prog=/usr/lib/games/gravok XD_PROG=/usr/share/games/gravok player=gravok-player-$$ name="Testpilot $$"
rm -rf "$XD_OUT" && mkdir -p "$XD_OUT"

step="build"
# Debian's flags but its -g: the package is stripped, and debug info would double the build.
deb=$(DEB_CXXFLAGS_MAINT_STRIP=-g "$here/build_deb.sh" "$build") || fail "the package was not built"
if command -v lintian >/dev/null; then
    tags=$(lintian -EvIL +pedantic --tag-display-limit 0 "$deb" 2>&1 | grep -E '^[EWIPX]: ')
    [ -z "$tags" ] || fail "lintian tags without an override: $tags"
fi
step="install"
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null || fail "apt-get install failed"
home=$(mktemp -d /tmp/gravok-player.XXXXXX)
xd_start_display
trap 'xd_cleanup; apt-get remove -y -qq gravok >/dev/null 2>&1; userdel $player; rm -rf $home ${root_home:-}' EXIT
xd_time_limit 840
useradd --home-dir "$home" --no-create-home --shell /bin/sh "$player" && chown "$player:" "$home" || fail "no user"
as() { runuser -u "$1" -- env -i DISPLAY="$DISPLAY" HOME="${2:-$home}" PATH=/usr/games:/usr/bin:/bin LANG=C.UTF-8 "${@:3}"; }

# Episode 3 ends soonest for a shuttle flying fast in circles; collisions slow it down.
step="a player's game"
xd_run game as "$player" "" gravok
main=$(wait_window Gravok 30) || fail "the installed game shows no window"
expect "the start-up dialog" layer_is $NEU
keys "$main" Down Down Return $(printf 'Up %.0s' $(seq 20))
deadline=$((SECONDS + 480))
until layer_is $NAMEBOX; do
    [ $SECONDS -lt $deadline ] || fail "no name box within 8 minutes"
    keys "$main" Up Up Up Left
done
type_text "$main" "$name" && keys "$main" Return
expect "the list" layer_is $LIST
keys "$main" Return
expect "the list closes" layer_is ""
[ -s "$home/.local/share/gravok/Punkte.lst" ] && [ ! -e $prog/Punkte.lst ] && [ ! -e $XD_PROG/Punkte.lst ] ||
    fail "the entry is not in the player's own list alone"
printf 'click lblOK\nclick lblHighscore\nget Liste.List(0)\n' | as "$player" "" "$sim" --dir $XD_PROG | grep -q "$name" ||
    fail "the player's list does not hold the game just played"
kill "$(xdotool getwindowpid "$main")"

step="root's run"
root_home=$(mktemp -d /tmp/gravok-root.XXXXXX) && touch "$root_home/before"
sleep 1 # the mark stands before anything the game could write
xd_run rootgame as root "$root_home" gravok
main=$(wait_window Gravok 30) || fail "root's game shows no window"
expect "the start-up dialog" layer_is $NEU
keys "$main" Return
click_control lblHighscore || fail "cannot click Highscore"
expect "the list" layer_is $LIST
kill "$(xdotool getwindowpid "$main")"
written=$(find /usr -xdev -newer "$root_home/before")
[ -z "$written" ] || fail "root's game wrote under /usr: $written"

step="removal"
files=$(dpkg-query -L gravok) && apt-get remove -y -qq gravok >/dev/null 2>&1 || fail "apt-get remove failed"
for f in $files $prog $XD_PROG /usr/share/doc/gravok; do
    case " $prog $XD_PROG /usr/share/doc/gravok " in *" $f "*) ;; *) [ -d "$f" ] && [ ! -L "$f" ] && continue ;; esac
    [ -e "$f" ] || [ -L "$f" ] && fail "the removal left $f behind"
done
echo "play_installed: passed"
