// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/mixer.h"

#include <algorithm>

namespace gravok::audio {
namespace {

// Blocks this long are summed on the stack; the device asks for at most a few of them.
constexpr std::size_t Block = 256;

} // namespace

bool Mixer::play(const Sound& sound, int gain)
{
    return commands_.push({&sound, std::clamp(gain, 0, 4 * UnityGain)});
}

bool Mixer::stopAll()
{
    return commands_.push({});
}

void Mixer::take(const Command& c)
{
    if (!c.sound) {
        voices_.fill({});
        return;
    }
    auto slot = std::find_if(voices_.begin(), voices_.end(), [](const Voice& v) { return !v.sound; });
    if (slot == voices_.end())
        slot = std::min_element(voices_.begin(), voices_.end(),
                                [](const Voice& a, const Voice& b) { return a.started < b.started; });
    *slot = {c.sound, 0, c.gain, ++starts_};
}

void Mixer::mixVoice(Voice& v, std::int32_t* acc, std::size_t frames)
{
    const std::size_t n = std::min(frames, v.sound->pcm.size() - v.pos);
    const std::int16_t* pcm = v.sound->pcm.data() + v.pos;
    for (std::size_t i = 0; i < n; ++i)
        acc[i] += pcm[i] * v.gain;
    v.pos += n;
    if (v.pos >= v.sound->pcm.size())
        v = {};
}

void Mixer::render(std::int16_t* out, std::size_t frames)
{
    Command c;
    while (commands_.pop(c))
        take(c);
    // Scaled in one step with the voices' gain, so a quiet sum loses no more than one step.
    const std::int64_t divisor = std::int64_t{UnityGain} * 100;
    const std::int64_t volume = volume_.load(std::memory_order_relaxed);
    std::size_t done = 0;
    while (done < frames) {
        const std::size_t n = std::min(Block, frames - done);
        std::int32_t acc[Block] = {};
        for (Voice& v : voices_)
            if (v.sound)
                mixVoice(v, acc, n);
        for (std::size_t i = 0; i < n; ++i)
            out[done + i] =
                static_cast<std::int16_t>(std::clamp<std::int64_t>(acc[i] * volume / divisor, -32768, 32767));
        done += n;
    }
    rendered_.fetch_add(frames, std::memory_order_acq_rel);
}

int Mixer::activeVoices() const
{
    return static_cast<int>(std::count_if(voices_.begin(), voices_.end(), [](const Voice& v) { return v.sound; }));
}

} // namespace gravok::audio
