// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "audio/hand_over.h"
#include "audio/mixer.h"

namespace gravok::audio {
namespace {

struct Pcm {
    std::vector<std::int16_t> samples;
    Sound sound;
    explicit Pcm(std::vector<std::int16_t> s) : samples(std::move(s)), sound{"test", samples} {}
};

std::vector<std::int16_t> render(Mixer& m, std::size_t frames)
{
    std::vector<std::int16_t> out(frames, 12345);
    m.render(out.data(), frames);
    return out;
}

TEST(Mixer, SilenceWithNothingToPlay)
{
    Mixer m;
    EXPECT_EQ(render(m, 600), std::vector<std::int16_t>(600, 0));
    EXPECT_EQ(m.framesRendered(), 600u);
}

TEST(Mixer, TwoVoicesAddSampleBySampleAndEndWithTheirSounds)
{
    Pcm a({100, -200, 300, 400});
    Pcm b({1, 2});
    Mixer m;
    m.play(a.sound);
    m.play(b.sound, Mixer::UnityGain / 2);
    EXPECT_EQ(render(m, 6), (std::vector<std::int16_t>{100, -199, 300, 400, 0, 0}));
    EXPECT_EQ(m.activeVoices(), 0);
}

TEST(Mixer, ALongSoundGoesOnAcrossBlocksAndRenders)
{
    std::vector<std::int16_t> ramp(1000);
    for (std::size_t i = 0; i < ramp.size(); ++i)
        ramp[i] = static_cast<std::int16_t>(i);
    Pcm a(ramp);
    Mixer m;
    m.play(a.sound);
    std::vector<std::int16_t> got = render(m, 700);
    const std::vector<std::int16_t> rest = render(m, 400);
    got.insert(got.end(), rest.begin(), rest.end());
    ramp.resize(1100, 0);
    EXPECT_EQ(got, ramp);
}

TEST(Mixer, TheSumIsClippedToSixteenBits)
{
    const struct {
        const char* name;
        std::int16_t a, b;
        std::int16_t expected;
    } cases[] = {
        {"two loud positives", 30000, 20000, 32767},
        {"two loud negatives", -30000, -20000, -32768},
        {"opposites cancel", 30000, -30000, 0},
        {"just fits", 16383, 16384, 32767},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Pcm a({c.a});
        Pcm b({c.b});
        Mixer m;
        m.play(a.sound);
        m.play(b.sound);
        EXPECT_EQ(render(m, 1)[0], c.expected);
    }
}

TEST(Mixer, WithEveryVoiceBusyTheOldestGivesWay)
{
    // Sound k plays the constant k; one more than the voices: the first one is dropped.
    std::vector<std::unique_ptr<Pcm>> sounds;
    Mixer m;
    for (int k = 1; k <= Mixer::Voices + 1; ++k) {
        sounds.push_back(std::make_unique<Pcm>(std::vector<std::int16_t>(8, static_cast<std::int16_t>(k))));
        m.play(sounds.back()->sound);
    }
    const int all = (Mixer::Voices + 1) * (Mixer::Voices + 2) / 2;
    EXPECT_EQ(render(m, 1)[0], all - 1);
    EXPECT_EQ(m.activeVoices(), Mixer::Voices);
    // A later one takes the place of the oldest still sounding, sound 2.
    Pcm extra(std::vector<std::int16_t>(8, 1000));
    m.play(extra.sound);
    EXPECT_EQ(render(m, 1)[0], all - 1 - 2 + 1000);
    EXPECT_GE(Mixer::Voices, 12);
}

TEST(Mixer, StopAllSilencesFromTheNextBlockAndLaterSoundsPlayAfresh)
{
    Pcm a(std::vector<std::int16_t>(2000, 500));
    Pcm b({7, 7});
    Mixer m;
    m.play(a.sound);
    EXPECT_EQ(render(m, 4), std::vector<std::int16_t>(4, 500));
    m.stopAll();
    EXPECT_EQ(render(m, 512), std::vector<std::int16_t>(512, 0));
    m.stopAll();
    m.play(b.sound);
    EXPECT_EQ(render(m, 3), (std::vector<std::int16_t>{7, 7, 0}));
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
    EXPECT_TRUE(m.play(a.sound));
}

TEST(HandOver, EveryItemCrossesInOrderBetweenTwoThreads)
{
    HandOver<int, 16> ring;
    constexpr int N = 50000;
    std::thread writer([&] {
        for (int i = 0; i < N;)
            if (ring.push(i))
                ++i;
            else
                std::this_thread::yield();
    });
    int expected = 0;
    bool inOrder = true;
    while (expected < N) {
        int v = -1;
        if (ring.pop(v)) {
            inOrder = inOrder && v == expected;
            ++expected;
        } else {
            std::this_thread::yield();
        }
    }
    writer.join();
    EXPECT_TRUE(inOrder);
    int left = 0;
    EXPECT_FALSE(ring.pop(left));
}

} // namespace
} // namespace gravok::audio
