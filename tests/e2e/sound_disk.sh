#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Gravok developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real window's sound, written to a file by SDL's disk audio driver (no sound card):
# samples with energy where the game asked for sounds, silence while it is paused, and
# silence from --mute until M, which also works over the start-up dialog but is a letter
# in the name box.
#
#   sound_disk.sh PROGRAM_DIR OUT_DIR
#
# Exit 0 when all holds, 1 naming what failed, 77 (skipped) without Xvfb and xdotool.
set -uo pipefail

[ $# -eq 2 ] || { echo "usage: $0 PROGRAM_DIR OUT_DIR" >&2; exit 2; }
program_dir=$1 out=$2
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=xdrive.sh
. "$here/xdrive.sh"
xd_need || { echo "SKIP: the sound test needs Xvfb, xdotool and imagemagick"; exit 77; }

rm -rf "$out"
mkdir -p "$out"
XD_LOG_DIR=$out
fail() {
    echo "FAILED: $*; files in $out" >&2
    exit 1
}

xd_start_display 1280x1024 || fail "no X display"
xd_time_limit 100
work=$XD_TMP/work
mkdir -p "$work/data" "$work/config"
cp -r "$program_dir" "$work/prog" || fail "cannot copy $program_dir"
export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config
export SDL_AUDIODRIVER=disk GRAVOK_SOUND_TRACE=1

# launch NAME [ARGS]: starts the game writing NAME.pcm; returns once the window shows its
# first frame, with the start-up dialog (a layer of the window) in it.
launch() {
    local name=$1
    shift
    log=$out/$name.log
    SDL_DISKAUDIOFILE=$out/$name.pcm xd_run "$name" "${game_dir:-$work/prog}/gravok" --stats "$@"
    pid=$XD_LAST_PID
    main=$(wait_window "Gravok" 30) || fail "$name: the game window did not appear"
    _xd_wait 30 "no first frame" grep -q '^stats: first frame' "$log" || fail "$name: the game painted nothing"
}

# begin NAME: Enter takes the start-up dialog; the game's clock ticking shows it closed.
begin() {
    keys "$main" Return
    _xd_wait 20 "no tick" grep -Eq 'tmeBewegung [1-9]' "$log" || fail "$1: Enter did not close the start-up dialog"
}

# play NAME [ARGS]: starts the game and takes the start-up dialog with Enter.
play() {
    launch "$@"
    begin "$1"
}

# traced WHAT N: waits until the trace holds N "sound-trace WHAT" lines.
traced() {
    _xd_wait 10 "fewer than $2 \"$1\" in the trace" _traced "$1" "$2"
}
_traced() {
    [ "$(grep -c "^sound-trace $1 " "$log")" -ge "$2" ]
}

# stop NAME CHECKS...: ends the game and lines its samples up with its trace.
stop() {
    local name=$1
    shift
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    python3 "$here/pcm_check.py" "$out/$name.pcm" "$out/$name.log" "$@" || fail "$name: $(tail -n 1 "$out/$name.log")"
}

# A shot straight up, lost at the top edge; then a burst of shots, still sounding when P
# pauses the game, which must cut them off.
play sound
keys "$main" space
sleep 1
keys "$main" space space space space space space p
sleep 2
stop sound quiet-before-play played quiet-paused count:play:shot:3 count:play:miss:1 count:pause::2

# Started muted: a shot is not heard; M brings the sound back, and M again takes it away,
# which the next start remembers.
# M works while the start-up dialog is open, too: on, and off again.
launch muted --mute
traced mute 1 || fail "muted: --mute was not taken"
keys "$main" m
traced unmute 1 || fail "muted: M in the start-up dialog did not bring the sound back"
keys "$main" m
traced mute 2 || fail "muted: M again in the start-up dialog did not take it away"
begin muted
keys "$main" space
sleep 0.6
keys "$main" m
sleep 0.3
keys "$main" space
sleep 0.3
keys "$main" m
sleep 1.5
stop muted quiet-muted played count:drop:shot:1 count:play:shot:1 count:mute::3 count:unmute::2
grep -q "muted=true" "$work/config/gravok/gravok.conf" || fail "the mute was not kept in gravok.conf"

play remembered
keys "$main" space
sleep 0.8
stop remembered quiet-muted count:drop:shot:1

# M in the name box is a letter of the name, not the sound key. Episode 1 made of one
# gravok, destroyed by three shots, ends the game at once with "Geschafft!".
game_dir=$XD_TMP/end
cp -r "$work/prog" "$game_dir"
rm -f "$game_dir/Punkte.lst"
printf '1\r\n1,4560,1200,0,0\r\n\r\n' >"$game_dir/Episode1.gvk"
play namebox
for _ in 1 2 3; do
    keys "$main" space
    sleep 0.45
done
traced "[a-z]* done" 1 || fail "namebox: the episode did not end"
sleep 0.5
type_text "$main" "Mm"
keys "$main" Return
listed() {
    grep -q "Mm (" <("$work/prog/gravok-sim" --dir "$game_dir" <<<$'key Enter\nclick lblHighscore\nget Liste.List(0)')
}
_xd_wait 10 "no entry \"Mm\"" listed || fail "namebox: the name typed with M is not in the list"
[ "$(grep -c "^sound-trace [a-z]*mute " "$log")" -eq 1 ] || fail "namebox: M in the name box muted or unmuted"
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
echo "ok   M in the name box is typed into the name"
unset game_dir

# No audio device at all (ALSA with an empty configuration knows none, card or not): the
# game plays on and says so once, on standard error, without ALSA's own complaints.
: >"$work/empty-alsa.conf"
SDL_AUDIODRIVER=alsa ALSA_CONFIG_PATH=$work/empty-alsa.conf play nodevice
keys "$main" space
sleep 0.5
kill -0 "$pid" 2>/dev/null || fail "nodevice: the game did not run on"
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
[ "$(grep -c "kein Audiogerät" "$out/nodevice.log")" -eq 1 ] || fail "nodevice: not said exactly once"
grep -q "ALSA lib" "$out/nodevice.log" && fail "nodevice: ALSA's own messages reached standard error"
echo "ok   without a device: $(grep "kein Audiogerät" "$out/nodevice.log")"
echo "all sound checks passed"
