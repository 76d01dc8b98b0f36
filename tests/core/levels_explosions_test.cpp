// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "play_support.h"

namespace gravok::test {
namespace {

// Levels of standing first-kind gravoks (three hits each); "" ends a level's block.
SimRun play(std::initializer_list<std::string> lines, const std::string& script)
{
    int levels = 0;
    std::string blocks;
    for (const auto& l : lines) {
        blocks += l + "\r\n";
        levels += l.empty() ? 1 : 0;
    }
    return runSimWith({{"Episode1.gvk", std::to_string(levels) + "\r\n" + blocks}}, "click lblOK\n" + script);
}

// The third hit on gravok k of the current level, standing at (left, top), by a shot of
// slot s flying right.
std::string destroy(int k, int left, int top, int s = 0, int level = 1)
{
    const std::string slot = std::to_string(s);
    return "set LevelDaten(" + std::to_string(level) + ").Gravok(" + std::to_string(k) + ").Treffer 2\nset imgSchuss(" +
           slot + ").Tag 2\nset SchussRichtung(" + slot + ") 5\nset imgSchuss(" + slot + ").Left " +
           std::to_string(left - 200) + "\nset imgSchuss(" + slot + ").Top " + std::to_string(top + 100) +
           "\ntick tmeSchuss\n";
}

std::vector<Expectation> gone(int k)
{
    const std::string img = "imgGravok(" + std::to_string(k) + ").";
    return {{img + "Picture", "0"}, {img + "Top", "-2500"}};
}

TEST(WeaponExplosions, ThreeStagesOneRunApartThenTheGravokLeavesTheField)
{
    // Two gravoks in level 1: the first explosion ends without clearing the level.
    const SimRun run = play(
        {"1,3000,3000,0,0", "1,6000,1000,0,0", "", "2,5000,1000,0,0", ""},
        destroy(1, 3000, 3000) +
            expectLines({{"imgGravok(1).Picture", "151"}, {"tmeAniGravok.Enabled", "True"}}) +
            "advance 99\n" + expectLines({{"imgGravok(1).Picture", "151"}}) + "advance 1\n" +
            expectLines({{"imgGravok(1).Picture", "152"}}) + "advance 100\n" +
            expectLines({{"imgGravok(1).Picture", "153"}, {"imgGravok(1).Top", "3000"}}) + "advance 100\n" +
            expectLines(gone(1)) +
            expectLines({{"tmeAniGravok.Enabled", "False"}, {"Level", "1"}, {"imgGravok(2).Tag", "1"}}) +
            // The last gravok's explosion ends the level.
            destroy(2, 6000, 1000) + "advance 300\n" + expectLines(gone(2)) +
            expectLines({{"Level", "2"},
                         {"tmeAniGravok.Enabled", "False"},
                         {"imgGravok(1).Picture", "102"},
                         {"imgGravok(1).Tag", "1"},
                         {"imgGravok(1).Left", "5000"},
                         {"imgGravok(1).Top", "1000"}}));
    EXPECT_EQ(run.status, 0) << transcript(run);
}

TEST(WeaponExplosions, AGravokDestroyedDuringAnotherExplosionRunsToItsOwnEnd)
{
    const SimRun run = play(
        {"1,3000,3000,0,0", "1,6000,1000,0,0", "", "2,5000,1000,0,0", "", "2,5000,1000,0,0", ""},
        destroy(1, 3000, 3000) + "tick tmeAniGravok\n" + destroy(2, 6000, 1000, 1) +
            expectLines({{"imgGravok(1).Picture", "152"}, {"imgGravok(2).Picture", "151"}}) + "tick tmeAniGravok\n" +
            expectLines({{"imgGravok(1).Picture", "153"}, {"imgGravok(2).Picture", "152"}}) + "tick tmeAniGravok\n" +
            expectLines(gone(1)) +
            // All ten slots are out, but one explosion still runs: the level goes on.
            expectLines({{"imgGravok(2).Picture", "153"}, {"Level", "1"}, {"tmeAniGravok.Enabled", "True"}}) +
            "tick tmeAniGravok\n" + expectLines(gone(2)) +
            expectLines({{"Level", "2"}, {"tmeAniGravok.Enabled", "False"}, {"imgGravok(1).Picture", "102"}}));
    EXPECT_EQ(run.status, 0) << transcript(run);
}

TEST(WeaponExplosions, TwoGravoksDestroyedByOneShotClearTheLevelOnce)
{
    const SimRun run = play({"1,3000,3000,0,0", "1,3000,3000,0,0", "", "2,5000,1000,0,0", "", "2,5000,1000,0,0", ""},
                            "set LevelDaten(1).Gravok(2).Treffer 2\n" + destroy(1, 3000, 3000) +
                                expectLines({{"imgGravok(1).Picture", "151"}, {"imgGravok(2).Picture", "151"}}) +
                                "tick tmeAniGravok 2\n" +
                                expectLines({{"imgGravok(1).Picture", "153"}, {"imgGravok(2).Picture", "153"}}) +
                                "tick tmeAniGravok\n" + expectLines(gone(2)) +
                                expectLines({{"Level", "2"}, {"imgGravok(1).Picture", "102"}}));
    EXPECT_EQ(run.status, 0) << transcript(run);
}

TEST(WeaponExplosions, ANewGameStartedDuringAnExplosionKeepsItsGravoksWhole)
{
    // F4 and OK while gravok 1 is at its second stage: slot 1 of the new game is an active
    // gravok, so no explosion picture may reach it and it must not leave the field.
    const SimRun run = play({"1,3000,3000,0,0", "1,6000,1000,0,0", ""},
                            destroy(1, 3000, 3000) + "tick tmeAniGravok\nkey F4\nclick lblOK\nadvance 300\n" +
                                expectLines({{"imgGravok(1).Tag", "1"},
                                             {"imgGravok(1).Picture", "101"},
                                             {"imgGravok(1).Left", "3000"},
                                             {"imgGravok(1).Top", "3000"}}));
    EXPECT_EQ(run.status, 0) << transcript(run);
}

TEST(Levels, ALevelEndsOnlyWhenAllTenSlotsAreExactlyOut)
{
    // Slot 3 lies beyond the level's single gravok; its marker alone decides.
    const struct {
        const char* tag;
        bool cleared;
    } cases[] = {{"0", true}, {"1", false}, {"00", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tag);
        const SimRun run = play({"1,3000,3000,0,0", "", "2,5000,1000,0,0", ""},
                                std::string("set imgGravok(3).Tag ") + c.tag + "\n" + destroy(1, 3000, 3000) +
                                    "tick tmeAniGravok 3\n" +
                                    expectLines({{"ZerstoerteGravoks", c.cleared ? "10" : "9"},
                                                 {"Level", c.cleared ? "2" : "1"},
                                                 {"tmeAniGravok.Enabled", "False"}}));
        EXPECT_EQ(run.status, 0) << transcript(run);
    }
}

TEST(Levels, TheHeartComesWithItsLevelAndLeavesWithIt)
{
    const SimRun run = play({"1,3000,3000,0,0", "", "1,3000,3000,0,0", "0,4500,3000", "", "1,3000,3000,0,0", ""},
                            expectLines({{"HerzLevel", "2"}, {"imgHerz.Top", "-2500"}}) + destroy(1, 3000, 3000) +
                                "tick tmeAniGravok 3\n" +
                                expectLines({{"Level", "2"}, {"imgHerz.Left", "4500"}, {"imgHerz.Top", "3000"}}) +
                                destroy(1, 3000, 3000, 0, 2) +
                                "tick tmeAniGravok 3\n" + expectLines({{"Level", "3"}, {"imgHerz.Top", "-2500"}}));
    EXPECT_EQ(run.status, 0) << transcript(run);
}

TEST(Levels, ClearingTheLastLevelEndsTheEpisodeWithGeschafft)
{
    const SimRun run = play(
        {"1,3000,3000,0,0", "", "1,3000,3000,0,0", ""},
        destroy(1, 3000, 3000) + "tick tmeAniGravok 3\n" + expectLines({{"Level", "2"}}) +
            destroy(1, 3000, 3000, 0, 2) + "tick tmeAniGravok 2\ninput Tester\n" +
            "tick tmeAniGravok\nwindows\n" +
            expectLines({{"PunkteEintragen", "True"},
                         {"lblAnzeige.Caption", "Geschafft!"},
                         {"Pausiert", "1"},
                         {"tmeBewegung.Enabled", "False"},
                         {"tmeGravokiten.Enabled", "False"},
                         {"tmeSchuss.Enabled", "False"},
                         {"tmeAniGravok.Enabled", "False"}}) +
            "key Enter\nwindows\n" +
            expectLines({{"PunkteEintragen", "False"},
                         {"frmHaupt.Tag", "1"},
                         {"Level", "3"},
                         {"AnzahlLevel", "2"},
                         {"lblAnzeige.Caption", "Geschafft!"}}) +
            "key P\n" + expectLines({{"Pausiert", "1"}, {"lblAnzeige.Caption", "Geschafft!"}}) +
            // A new game runs again, without the explosion timer.
            "key F4\nclick lblOK\n" +
            expectLines({{"Level", "1"},
                         {"Pausiert", "0"},
                         {"frmHaupt.Tag", "0"},
                         {"tmeBewegung.Enabled", "True"},
                         {"tmeAniGravok.Enabled", "False"}}));
    EXPECT_EQ(run.status, 0) << transcript(run);
    ASSERT_GE(run.lines.size(), 2U) << transcript(run);
    EXPECT_EQ(run.lines[0], "frmHaupt frmPunkte");
    EXPECT_EQ(run.lines[1], "frmHaupt");
}

} // namespace
} // namespace gravok::test
