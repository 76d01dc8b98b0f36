// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>

#include "sim_support.h"

namespace gravok::test {
namespace {

std::vector<std::string> soundLines(const SimRun& run)
{
    std::vector<std::string> out;
    std::copy_if(run.lines.begin(), run.lines.end(), std::back_inserter(out),
                 [](const std::string& l) { return l.rfind("sound ", 0) == 0; });
    return out;
}

// Shot of slot 0 flying right, placed just left of (left, top).
std::string shotAt(int left, int top)
{
    return "set imgSchuss(0).Tag 2\nset SchussRichtung(0) 5\nset imgSchuss(0).Left " + std::to_string(left - 200) +
           "\nset imgSchuss(0).Top " + std::to_string(top + 100) + "\ntick tmeSchuss\n";
}

// A gravok of the current level put under the shuttle's bottom edge, stepping up onto it.
std::string gravokUnderShuttle(int level, int shuttleLeft, int shuttleTop)
{
    const std::string g = "LevelDaten(" + std::to_string(level) + ").Gravok(1).";
    return "set imgGravok(1).Left " + std::to_string(shuttleLeft + 100) + "\nset imgGravok(1).Top " +
           std::to_string(shuttleTop + 855 + 10) + "\nset " + g + "DX 0\nset " + g + "DY -10\n" +
           "random 0.9 0 0.99 0.99 0.9\ntick tmeGravokiten\n";
}

// One scripted game of two levels: every event that asks for a sound, each followed by
// "sounds" and a marker, so that a sound asked for at the wrong step shows up there.
TEST(Sounds, AScriptedGameAsksForEachSoundAtItsEvent)
{
    const std::string step = "sounds\nget Level\n";
    const std::string script =
        step +
        // Launch, then the shot flies straight up and leaves the field on its twelfth tick.
        "key Space\ntick tmeSchuss\n" + step + "tick tmeSchuss 10\n" + step + "tick tmeSchuss\n" + step +
        // Two hits on a three-hit gravok, then the one that destroys it.
        shotAt(3000, 3000) + step + "set LevelDaten(1).Gravok(1).Treffer 2\n" + shotAt(3000, 3000) + step +
        // Its explosion ends and level 2 begins.
        "tick tmeAniGravok 3\n" + step +
        // A gravok runs into the shuttle, which then picks up the heart.
        "set imgShuttle.Left 1000\nset imgShuttle.Top 1000\n" + gravokUnderShuttle(2, 1000, 1000) + step +
        "set Tempo 1\nset Richtung 5\nset imgHerz.Left 900\nset imgHerz.Top 900\ntick tmeBewegung 2\n" + step +
        // The nineteenth hit: a bump, then the end.
        "set Schaden 18\nset imgShuttle.Left 1000\nset imgShuttle.Top 1000\ninput Tester\n" +
        gravokUnderShuttle(2, 1000, 1000) + step + "key Enter\n" + step + "log\n";
    const SimRun run = playEpisode("2 1,3000,3000,0,0 / 1,7000,500,0,0 /",
                                  script);
    ASSERT_EQ(run.status, 0) << transcript(run);
    const std::vector<std::string> expected = {
        "1",                                          // nothing at the start
        "sound shot", "1",                            //
        "1",                                          // ten steps in the field
        "sound miss", "1",                            //
        "sound hit", "1",                             //
        "sound explosion", "1",                       //
        "sound level", "2",                           //
        "sound bump", "2",                            //
        "sound heart", "2",                           //
        "sound bump", "sound gameover", "2",          // asked for while the list dialog is up
        "2",                                          // closing it asks for nothing
    };
    std::vector<std::string> got;
    for (const auto& l : run.lines)
        if (l.rfind("sound ", 0) == 0 || l == "1" || l == "2")
            got.push_back(l);
    EXPECT_EQ(got, expected) << transcript(run);
    // The log keeps to what it always said: no sound in it.
    EXPECT_TRUE(std::none_of(run.lines.begin(), run.lines.end(),
                             [](const std::string& l) { return l.find("sound") != std::string::npos && l.rfind("sound ", 0) != 0; }))
        << transcript(run);
}

TEST(Sounds, TheLastLevelClearedSaysDoneAndNoLevel)
{
    const SimRun run = playEpisode("1 1,3000,3000,0,0 /",
                                  "input Tester\nset LevelDaten(1).Gravok(1).Treffer 2\n" +
                                      shotAt(3000, 3000) + "tick tmeAniGravok 3\nsounds\nexpect lblAnzeige.Caption Geschafft!\n");
    ASSERT_EQ(run.status, 0) << transcript(run);
    EXPECT_EQ(soundLines(run), (std::vector<std::string>{"sound explosion", "sound done"})) << transcript(run);
}

TEST(Sounds, AWreckHitAgainIsAHitAndSoundsAreForgottenOnceTold)
{
    // Treffer 3 on a three-hit gravok: a fourth hit counts but destroys nothing.
    const SimRun run =
        playEpisode("1 1,3000,3000,0,0 1,6000,6000,0,0 /",
                   "set LevelDaten(1).Gravok(1).Treffer 3\n" + shotAt(3000, 3000) + "sounds\nsounds\n");
    ASSERT_EQ(run.status, 0) << transcript(run);
    EXPECT_EQ(soundLines(run), (std::vector<std::string>{"sound hit"})) << transcript(run);
}

} // namespace
} // namespace gravok::test
