#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Gravok developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The window's sound through SDL's disk audio driver (no sound card), held against the
# game's sound trace by pcm_check.py: sound where the game asked for it, silence while
# paused and from --mute until M, the mute kept for the next start; without any device
# the game plays on and says so.
set -uo pipefail
here=$(dirname "$0")
. "$here/xdrive.sh"
xd_e2e_begin "$@"
export SDL_AUDIODRIVER=disk GRAVOK_SOUND_TRACE=1

# play NAME [ARGS]: the game writing NAME.pcm, its start-up dialog taken with Enter.
play() {
    name=$1
    shift
    SDL_DISKAUDIOFILE=$XD_OUT/$name.pcm xd_run "$name" "$XD_PROG/gravok" --stats "$@"
    pid=$XD_LAST_PID
    main=$(wait_window Gravok 30) || fail "no game window"
    expect "$name: the window painted" painted "$name"
    keys "$main" Return
}
# stop CHECKS...: ends the game and holds its samples against its trace.
stop() {
    kill "$pid"
    wait "$pid"
    python3 "$here/pcm_check.py" "$XD_OUT/$name.pcm" "$XD_OUT/$name.log" "$@" || fail "$name: sound and trace disagree"
}

# A shot lost at the top edge; then a burst still sounding when P cuts it off.
step="sound"
play sound
keys "$main" space
sleep 1
keys "$main" space space space space space space p
sleep 2
stop quiet-before-play played quiet-paused count:play:shot:3 count:play:miss:1 count:pause::2

step="mute"
play muted --mute
keys "$main" space
sleep 0.6
keys "$main" m
sleep 0.3
keys "$main" space
sleep 0.3
keys "$main" m
sleep 1.5
stop quiet-muted played count:drop:shot:1 count:play:shot:1 count:mute::2 count:unmute::1
step="mute remembered"
play remembered
keys "$main" space
sleep 0.8
stop quiet-muted count:drop:shot:1

# ALSA with an empty configuration knows no device, card or not.
step="no device"
: >"$XD_WORK/empty-alsa.conf"
SDL_AUDIODRIVER=alsa ALSA_CONFIG_PATH=$XD_WORK/empty-alsa.conf play nodevice
expect "the game runs without sound" moving
[ "$(grep -c "kein Audiogerät" "$XD_OUT/nodevice.log")" -eq 1 ] || fail "not said exactly once"
echo "all sound checks passed"
