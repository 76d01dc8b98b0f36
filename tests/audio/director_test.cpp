// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>

#include "audio/mixer.h"
#include "audio/sound_bank.h"
#include "audio/sound_director.h"

namespace gravok::audio {
namespace {

bool loud(Mixer& m, std::size_t frames = 2048)
{
    std::vector<std::int16_t> out(frames);
    m.render(out.data(), frames);
    for (std::int16_t s : out)
        if (s != 0)
            return true;
    return false;
}

struct Rig {
    Mixer mixer;
    bool paused = false;
    std::vector<std::string> trace;
    SoundDirector director{&mixer, [this] { return paused; }};
    Rig()
    {
        director.trace = [this](std::string_view what, std::string_view name, std::uint64_t) {
            trace.push_back(std::string(what) + (name.empty() ? "" : " " + std::string(name)));
        };
    }
};

// The samples themselves are the generator's, checked against its hashes by soundgen's tests.
TEST(SoundBank, HoldsEverySoundTheGameAsksForShortEnoughToKeepUp)
{
    for (const char* name : {"shot", "hit", "explosion", "miss", "bump", "heart", "level", "gameover", "done"}) {
        const Sound* s = findSound(name);
        ASSERT_NE(s, nullptr) << name;
        EXPECT_FALSE(s->pcm.empty()) << name;
        EXPECT_LE(s->pcm.size(), static_cast<std::size_t>(SampleRate * 3 / 2)) << name;
    }
    EXPECT_EQ(findSound("nothing"), nullptr);
}

TEST(SoundDirector, PlaysWhatTheGameAsksFor)
{
    Rig r;
    r.director.request("shot");
    EXPECT_TRUE(loud(r.mixer, SampleRate));
    r.director.request("no such sound");
    EXPECT_FALSE(loud(r.mixer));
    EXPECT_EQ(r.trace, (std::vector<std::string>{"play shot", "drop no such sound"}));
}

TEST(SoundDirector, APauseStopsWhatSoundsAndLetsOnlyTheEndOfAGameBeHeard)
{
    const struct {
        const char* name;
        bool heardWhilePaused;
    } cases[] = {{"shot", false}, {"explosion", false}, {"level", false}, {"gameover", true}, {"done", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Rig r;
        r.director.request("explosion");
        EXPECT_TRUE(loud(r.mixer, 256));
        r.paused = true;
        r.director.update();
        EXPECT_FALSE(loud(r.mixer)) << "the explosion goes on in the pause";
        r.director.request(c.name);
        EXPECT_EQ(loud(r.mixer), c.heardWhilePaused);
        r.paused = false;
        r.director.request("shot");
        EXPECT_TRUE(loud(r.mixer));
    }
}

TEST(SoundDirector, APauseSeenOnlyAtTheNextRequestStillCutsFirst)
{
    // The end of a game pauses, then asks for its sound in the same call.
    Rig r;
    r.director.request("bump");
    r.paused = true;
    r.director.request("gameover");
    EXPECT_EQ(r.trace, (std::vector<std::string>{"play bump", "pause", "play gameover"}));
    std::vector<std::int16_t> out(SampleRate);
    r.mixer.render(out.data(), out.size());
    const Sound* g = findSound("gameover");
    EXPECT_TRUE(std::equal(out.begin(), out.end(), g->pcm.begin())) << "the bump was not cut";
}

TEST(SoundDirector, MutedNothingPlaysUntilUnmuted)
{
    Rig r;
    r.director.request("explosion");
    r.director.setMuted(true);
    EXPECT_TRUE(r.director.muted());
    EXPECT_FALSE(loud(r.mixer));
    r.director.request("gameover");
    EXPECT_FALSE(loud(r.mixer));
    r.director.setMuted(false);
    r.director.request("hit");
    EXPECT_TRUE(loud(r.mixer));
}

TEST(SoundDirector, WithoutADeviceEveryRequestIsDropped)
{
    SoundDirector d(nullptr, [] { return false; });
    EXPECT_FALSE(d.hasOutput());
    std::vector<std::string> seen;
    d.trace = [&](std::string_view what, std::string_view, std::uint64_t) { seen.emplace_back(what); };
    d.request("shot");
    d.setMuted(true);
    EXPECT_EQ(seen, (std::vector<std::string>{"drop", "mute"}));
}

} // namespace
} // namespace gravok::audio
