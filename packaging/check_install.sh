#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Gravok developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch prefix and checks what a player's system would get.
#   check_install.sh BUILD_DIR WORK_DIR DATA_DIR APP_ID VERSION "ICON_SIZES" CMD_DIR PROG_DIR GAME_DATA_DIR
# The last three are relative to the prefix (games, lib/games/gravok, share/games/gravok).
set -uo pipefail
build=$1 work=$2 data=$3 id=$4 version=$5 sizes=$6 cmddir=$7 progdir=$8 gamedata=$9

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
note() { echo "note: $*"; }

rm -rf "$work"
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL: cmake --install" >&2; exit 1; }
prog=$prefix/$progdir
share=$prefix/$gamedata
listing() { (cd "$1" 2>/dev/null && LC_ALL=C ls | tr '\n' ' ' | sed 's/ $//'); }

# The program directory holds the executables alone (no harness, tests or tools), the
# data folder what the game only reads.
[ "$(listing "$prog")" = "gravok zedezora" ] || fail "$progdir holds '$(listing "$prog")', want 'gravok zedezora'"
expected="Episode1.gvk Episode2.gvk Episode3.gvk Episode4.gvk Gravok.quh Gravok_en.quh"
[ "$(listing "$share")" = "$expected" ] || fail "$gamedata holds '$(listing "$share")', want '$expected'"
for exe in gravok zedezora; do
  [ -x "$prog/$exe" ] || fail "$exe is not executable"
done
# Byte for byte as in the tree: the episode files keep their CR LF line ends.
for f in $expected; do
  cmp -s "$data/$f" "$share/$f" || fail "$f differs from $data/$f"
done
grep -q $'\r$' "$share/Episode1.gvk" || fail "Episode1.gvk lost its CR LF line ends"
# Debian's documentation: the machine-readable copyright and the compressed changelog.
doc=$prefix/share/doc/gravok
head -1 "$doc/copyright" 2>/dev/null | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
  fail "$doc/copyright is missing or not machine-readable"
gzip -dc "$doc/changelog.gz" 2>/dev/null | head -1 | grep -q "^gravok ($version) " ||
  fail "$doc/changelog.gz is missing or does not start with version $version"

# The command leads to the game from any place the tree is moved to.
check_link() {  # PREFIX
  local link=$1/$cmddir/gravok
  [ -L "$link" ] || { fail "$link is not a symbolic link"; return; }
  case $(readlink "$link") in /*) fail "$link points to an absolute path" ;; esac
  [ "$(readlink -f "$link")" = "$(readlink -f "$1/$progdir/gravok")" ] ||
    fail "$link resolves to $(readlink -f "$link")"
}
check_link "$prefix"
mv "$prefix" "$work/moved"
check_link "$work/moved"
mv "$work/moved" "$prefix"

# The installed command runs from there and is the version being installed; --version and
# --help answer without any display.
for opt in --version --help; do
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= timeout 30 "$prefix/$cmddir/gravok" $opt 2>"$work/opt.err")
  status=$?
  [ $status -eq 0 ] || fail "$cmddir/gravok $opt without a display ends with status $status; $(cat "$work/opt.err")"
  case $opt in
    --version) [ "$out" = "Gravok $version" ] || fail "$cmddir/gravok --version says '$out', want 'Gravok $version'" ;;
    --help) grep -q -- '--stats' <<<"$out" || fail "$cmddir/gravok --help does not name --stats: $out" ;;
  esac
done

# Packagers stage with DESTDIR; every file must land under it, the link included.
DESTDIR=$work/stage cmake --install "$build" --prefix /usr >/dev/null || fail "DESTDIR install"
[ -L "$work/stage/usr/$cmddir/gravok" ] && [ -x "$work/stage/usr/$progdir/gravok" ] ||
  fail "DESTDIR install lacks /usr/$cmddir/gravok or /usr/$progdir/gravok"

# Icons: PNG files of the size their directory names (width and height from the IHDR chunk),
# with an alpha channel (colour type 6) for the transparent ground, and a scalable one.
for size in $sizes; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
  [ -f "$icon" ] || { fail "missing $icon"; continue; }
  head=$(od -An -tx1 -N24 "$icon" | tr -d ' \n')
  [ "${head:0:16}" = 89504e470d0a1a0a ] || fail "$icon is not a PNG file"
  [ $((16#${head:32:8})) -eq "$size" ] && [ $((16#${head:40:8})) -eq "$size" ] ||
    fail "$icon is $((16#${head:32:8}))x$((16#${head:40:8})), not ${size}x$size"
  [ "$(od -An -tx1 -j25 -N1 "$icon" | tr -d ' ')" = 06 ] || fail "$icon has no alpha channel"
done
svg=$prefix/share/icons/hicolor/scalable/apps/$id.svg
grep -q '<svg' "$svg" 2>/dev/null || fail "missing or empty scalable icon $svg"

# The desktop entry starts the installed command and names the installed icon.
desktop=$prefix/share/applications/$id.desktop
if [ -f "$desktop" ]; then
  grep -qx "Icon=$id" "$desktop" || fail "desktop entry does not use Icon=$id"
  exec_cmd=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
  [ -e "$prefix/$cmddir/$exec_cmd" ] || fail "desktop entry runs '$exec_cmd', which is not in $cmddir/"
  grep -qx "StartupWMClass=Gravok" "$desktop" || fail "desktop entry lacks StartupWMClass=Gravok, the window's class"
  if command -v desktop-file-validate >/dev/null; then
    out=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$out" ] || fail "desktop-file-validate: $out"
  else
    note "desktop-file-validate missing (desktop-file-utils), not validated"
  fi
else
  fail "missing $desktop"
fi

# The metainfo names this version and a launchable that is installed.
metainfo=$prefix/share/metainfo/$id.metainfo.xml
if [ -f "$metainfo" ]; then
  grep -q "<release version=\"$version\"" "$metainfo" || fail "metainfo lacks release $version"
  grep -q "<project_license>GPL-3.0-or-later</project_license>" "$metainfo" || fail "metainfo does not name GPL-3.0-or-later"
  launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")
  [ -f "$prefix/share/applications/$launchable" ] || fail "metainfo launches '$launchable', not installed"
  if command -v appstreamcli >/dev/null; then
    out=$(appstreamcli validate --no-net --strict "$metainfo" 2>&1) || fail "appstreamcli validate: $out"
  else
    note "appstreamcli missing (appstream), not validated"
  fi
else
  fail "missing $metainfo"
fi

# The man page, compressed or plain, formats without a single warning.
man=$(ls "$prefix"/share/man/man6/gravok.6* 2>/dev/null | head -1)
if [ -n "$man" ]; then
  case $man in *.gz) text=$(gzip -dc "$man") ;; *) text=$(cat "$man") ;; esac
  grep -q "^\.TH GRAVOK 6 .*Gravok $version" <<<"$text" || fail "man page header lacks version $version"
  grep -q "GPL-3.0-or-later" <<<"$text" || fail "man page does not name the licence"
  if command -v groff >/dev/null; then
    out=$(groff -man -Tutf8 -ww -z <<<"$text" 2>&1)
    [ -z "$out" ] || fail "groff warns: $out"
  fi
else
  fail "missing share/man/man6/gravok.6"
fi

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed" >&2; exit 1; }
echo "installed layout under $prefix is complete"
