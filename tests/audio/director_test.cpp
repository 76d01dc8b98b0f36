// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "audio/mixer.h"
#include "audio/sound_bank.h"
#include "audio/sound_director.h"

namespace gravok::audio {
namespace {

using Trace = std::vector<std::string>;

bool loud(Mixer& m, std::size_t frames = 2048)
{
    std::vector<std::int16_t> out(frames);
    m.render(out.data(), frames);
    return std::any_of(out.begin(), out.end(), [](std::int16_t s) { return s != 0; });
}

struct Rig {
    Mixer mixer;
    bool paused = false;
    Trace trace;
    SoundDirector director{&mixer, [this] { return paused; }};
    Rig()
    {
        director.trace = [this](std::string_view what, std::string_view name, std::uint64_t) {
            trace.push_back(std::string(what) + (name.empty() ? "" : " " + std::string(name)));
        };
    }
};

// The samples themselves are the generator's, checked against its hashes by soundgen's tests.
TEST(SoundBank, HoldsEverySoundTheGameAsksFor)
{
    for (const std::string_view name :
         {"shot", "hit", "explosion", "miss", "bump", "heart", "level", "gameover", "done"}) {
        const Sound* s = findSound(name);
        EXPECT_TRUE(s && s->name == name && !s->pcm.empty()) << name;
    }
    EXPECT_EQ(findSound("nothing"), nullptr);
}

TEST(SoundDirector, APauseStopsWhatSoundsAndLetsOnlyTheEndOfAGameBeHeard)
{
    for (const auto& [name, heardWhilePaused] :
         {std::pair{"shot", false}, {"explosion", false}, {"level", false}, {"gameover", true}, {"done", true}}) {
        SCOPED_TRACE(name);
        Rig r;
        r.director.request("explosion");
        EXPECT_TRUE(loud(r.mixer, 256));
        r.paused = true;
        r.director.update();
        EXPECT_FALSE(loud(r.mixer)) << "the explosion goes on in the pause";
        r.director.request(name);
        EXPECT_EQ(loud(r.mixer), heardWhilePaused);
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
    EXPECT_EQ(r.trace, (Trace{"play bump", "pause", "play gameover"}));
    std::vector<std::int16_t> out(SampleRate);
    r.mixer.render(out.data(), out.size());
    const Sound* g = findSound("gameover");
    EXPECT_TRUE(std::equal(out.begin(), out.end(), g->pcm.begin())) << "the bump was not cut";
}

// Muted, what sounds stops and nothing starts, not even the end of a game; a name the
// bank does not hold is never heard.
TEST(SoundDirector, MutedOrUnknownNothingPlays)
{
    Rig r;
    r.director.request("explosion");
    r.director.setMuted(true);
    r.director.setMuted(true);
    EXPECT_FALSE(loud(r.mixer));
    r.director.request("gameover");
    EXPECT_FALSE(loud(r.mixer));
    r.director.setMuted(false);
    r.director.request("no such sound");
    EXPECT_FALSE(loud(r.mixer));
    r.director.request("hit");
    EXPECT_TRUE(loud(r.mixer));
    EXPECT_EQ(r.trace, (Trace{"play explosion", "mute", "drop gameover", "unmute", "drop no such sound", "play hit"}));
}

TEST(SoundDirector, WithoutADeviceEveryRequestIsDropped)
{
    SoundDirector d(nullptr, [] { return false; });
    Trace seen;
    d.trace = [&](std::string_view what, std::string_view, std::uint64_t frame) {
        seen.push_back(std::string(what) + " at " + std::to_string(frame));
    };
    d.request("shot");
    d.setMuted(true);
    EXPECT_FALSE(d.hasOutput());
    EXPECT_EQ(seen, (Trace{"drop at 0", "mute at 0"}));
}

} // namespace
} // namespace gravok::audio
