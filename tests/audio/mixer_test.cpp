// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <vector>

#include "audio/mixer.h"

namespace gravok::audio {
namespace {

using Samples = std::vector<std::int16_t>;

struct Pcm {
    Samples samples;
    Sound sound;
    explicit Pcm(Samples s) : samples(std::move(s)), sound{"test", samples} {}
};

Samples render(Mixer& m, std::size_t frames)
{
    Samples out(frames, 12345);
    m.render(out.data(), frames);
    return out;
}

// A ramp longer than a block and a short sound at half gain: summed sample by sample
// (rounded toward zero), the ramp goes on into the next call, both voices end with their
// sounds, and silence before and after.
TEST(Mixer, VoicesAddUpAcrossBlocksAndEndWithTheirSounds)
{
    Samples ramp(1000);
    for (std::size_t i = 0; i < ramp.size(); ++i)
        ramp[i] = static_cast<std::int16_t>(i);
    Pcm a(ramp);
    Pcm b({3, -4});
    Mixer m;
    EXPECT_EQ(render(m, 600), Samples(600, 0));
    m.play(a.sound);
    m.play(b.sound, Mixer::UnityGain / 2);
    Samples got = render(m, 700);
    const Samples rest = render(m, 400);
    got.insert(got.end(), rest.begin(), rest.end());
    ramp[0] = 1;  // 0 + 1.5
    ramp[1] = -1; // 1 - 2
    ramp.resize(1100, 0);
    EXPECT_EQ(got, ramp);
    EXPECT_EQ(m.activeVoices(), 0);
    EXPECT_EQ(m.framesRendered(), 1700u);
}

// Sample by sample: too loud either way, cancelling, and the largest sum that fits.
TEST(Mixer, TheSumIsClippedToSixteenBits)
{
    Pcm a({30000, -30000, 30000, 16383});
    Pcm b({20000, -20000, -30000, 16384});
    Mixer m;
    m.play(a.sound);
    m.play(b.sound);
    EXPECT_EQ(render(m, 4), (Samples{32767, -32768, 0, 32767}));
}

TEST(Mixer, WithEveryVoiceBusyTheOldestGivesWay)
{
    // Sound k plays the constant k; one more than the voices: the first one is dropped.
    std::vector<Pcm> sounds;
    sounds.reserve(Mixer::Voices + 2);
    Mixer m;
    for (int k = 1; k <= Mixer::Voices + 1; ++k)
        m.play(sounds.emplace_back(Samples(8, static_cast<std::int16_t>(k))).sound);
    const int all = (Mixer::Voices + 1) * (Mixer::Voices + 2) / 2;
    EXPECT_EQ(render(m, 1)[0], all - 1);
    EXPECT_EQ(m.activeVoices(), Mixer::Voices);
    // A later one takes the place of the oldest still sounding, sound 2.
    m.play(sounds.emplace_back(Samples(8, 1000)).sound);
    EXPECT_EQ(render(m, 1)[0], all - 1 - 2 + 1000);
}

// A stop silences from the next block; a stop and a play in one block keep their order.
TEST(Mixer, StopAllSilencesAndLaterSoundsPlayAfresh)
{
    Pcm a(Samples(2000, 500));
    Pcm b({7, 7});
    Mixer m;
    m.play(a.sound);
    EXPECT_EQ(render(m, 4), Samples(4, 500));
    m.stopAll();
    EXPECT_EQ(render(m, 512), Samples(512, 0));
    m.stopAll();
    m.play(b.sound);
    EXPECT_EQ(render(m, 3), (Samples{7, 7, 0}));
}

TEST(Mixer, RequestsBeyondTheRingAreRefusedNotBlocked)
{
    Pcm a({1});
    Mixer m;
    int accepted = 0;
    for (int i = 0; i < 100; ++i)
        accepted += m.play(a.sound) ? 1 : 0;
    EXPECT_EQ(accepted, 64);
    render(m, 1);
    // The ring goes round: the request after the full ring is still heard.
    EXPECT_TRUE(m.play(a.sound));
    EXPECT_EQ(render(m, 2), (Samples{1, 0}));
}

// The volume scales the sum with the gain in one step, rounded toward zero; an overloud
// sum turned down is no longer clipped, and a value out of range is held at its end.
TEST(Mixer, TheVolumeScalesTheWholeSum)
{
    Pcm a({30000, -30000, 999, 1});
    const struct {
        int volume;
        Samples expected;
    } cases[] = {
        {100, {32767, -32768, 1498, 1}},
        {50, {22500, -22500, 749, 0}},
        {10, {4500, -4500, 149, 0}},
        {0, {0, 0, 0, 0}},
        {-3, {0, 0, 0, 0}},
        {250, {32767, -32768, 1498, 1}},
    };
    for (const auto& c : cases) {
        Mixer m;
        m.setVolume(c.volume);
        m.play(a.sound, Mixer::UnityGain * 3 / 2);
        EXPECT_EQ(render(m, 4), c.expected) << c.volume;
    }
}

} // namespace
} // namespace gravok::audio
