// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/sound_director.h"

#include "audio/mixer.h"
#include "audio/sound_bank.h"

namespace gravok::audio {
namespace {

bool endsTheGame(std::string_view name)
{
    return name == "gameover" || name == "done";
}

} // namespace

SoundDirector::SoundDirector(Mixer* mixer, PausedQuery paused) : mixer_(mixer), pausedQuery_(std::move(paused)) {}

void SoundDirector::update()
{
    const bool now = pausedQuery_ && pausedQuery_();
    if (now == paused_)
        return;
    paused_ = now;
    if (paused_ && mixer_)
        mixer_->stopAll();
    note(paused_ ? "pause" : "resume");
}

void SoundDirector::request(std::string_view name)
{
    update();
    const Sound* sound = findSound(name);
    if (!mixer_ || !sound || muted_ || (paused_ && !endsTheGame(name))) {
        note("drop", name);
        return;
    }
    mixer_->play(*sound);
    note("play", name);
}

void SoundDirector::setMuted(bool muted)
{
    if (muted == muted_)
        return;
    muted_ = muted;
    if (muted_ && mixer_)
        mixer_->stopAll();
    note(muted_ ? "mute" : "unmute");
}

void SoundDirector::note(std::string_view what, std::string_view name)
{
    if (trace)
        trace(what, name, mixer_ ? mixer_->framesRendered() : 0);
}

} // namespace gravok::audio
