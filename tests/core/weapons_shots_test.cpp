#include <gtest/gtest.h>

#include "play_support.h"

namespace gravok::test {
namespace {

const std::string FarGravok = "1,1200,400,0,0";
// A gravok standing where the hit rows put it.
const std::string Target = "1,3000,3000,0,0";

// Shot slot 0 in flight with a heading, placed so that the next tick moves it to (left, top).
std::string shotFlyingTo(int heading, double left, double top, int slot = 0)
{
    static const int dx[17] = {0, 0, 150, 300, 300, 300, 300, 300, 150, 0, -150, -300, -300, -300, -300, -300, -150};
    static const int dy[17] = {0, -300, -300, -300, -150, 0, 150, 300, 300, 300, 300, 300, 150, 0, -150, -300, -300};
    const std::string s = std::to_string(slot);
    return "set imgSchuss(" + s + ").Tag 2\nset SchussRichtung(" + s + ") " + std::to_string(heading) +
           "\nset imgSchuss(" + s + ").Left " + num(left - dx[heading]) + "\nset imgSchuss(" + s + ").Top " +
           num(top - dy[heading]) + "\n";
}

TEST(Shots, LaunchFromTheShuttlesOutlineThenFlyByTheirOwnHeading)
{
    const struct {
        double left, top; // launch offsets from the shuttle's corner
        int dx, dy;       // then per tick
    } byHeading[17] = {
        {},
        {360, -135, 0, -300},     {585, -135, 150, -300},  {787.5, -135, 300, -300}, {855, 146.25, 300, -150},
        {855, 360, 300, 0},       {855, 585, 300, 150},    {855, 855, 300, 300},     {720, 855, 150, 300},
        {360, 855, 0, 300},       {146.25, 855, -150, 300}, {-67.5, 855, -300, 300}, {-135, 585, -300, 150},
        {-135, 360, -300, 0},     {-135, 146.25, -300, -150}, {-135, -135, -300, -300}, {146.25, -135, -150, -300},
    };
    std::string script;
    for (int h = 1; h <= 16; ++h) {
        const auto& e = byHeading[h];
        script += "set imgSchuss(0).Tag 1\nset Richtung " + std::to_string(h) + "\ntick tmeSchuss\n" +
                  expectLines({{"imgSchuss(0).Tag", "2"},
                               {"SchussRichtung(0)", std::to_string(h)},
                               {"imgSchuss(0).Picture", "50"},
                               {"imgSchuss(0).Left", num(4372 + e.left)},
                               {"imgSchuss(0).Top", num(3172 + e.top)}}) +
                  // The shuttle turns away; the shot keeps its own heading.
                  "set Richtung " + std::to_string(h % 16 + 1) + "\ntick tmeSchuss\n" +
                  expectLines({{"imgSchuss(0).Left", num(4372 + e.left + e.dx)},
                               {"imgSchuss(0).Top", num(3172 + e.top + e.dy)}}) +
                  "set imgSchuss(0).Tag 0\n";
    }
    const SimRun run = playOneLevel({FarGravok}, script);
    EXPECT_EQ(run.status, 0) << transcript(run);
}

TEST(Shots, OnlyTheTopLeftOrBottomRightCornerOfAShotHits)
{
    // Where the shot lands, relative to the gravok's corner at (3000, 3000).
    const struct {
        const char* name;
        double x, y;
        bool hits;
    } cases[] = {
        {"top-left corner inside", 100, 100, true},
        {"bottom-right corner inside", -100, -100, true},
        {"only the top-right corner inside", -100, 400, false},
        {"only the bottom-left corner inside", 400, -100, false},
        {"top-left on the gravok's bottom-right corner", 480, 480, true},
        {"bottom-right on the gravok's top-left corner", -135, -135, true},
        {"a twip right of the gravok", 481, 100, false},
        {"a twip above the gravok", 100, -136, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<Expectation> hit = {{"imgSchuss(0).Tag", "0"},       {"imgSchuss(0).Picture", "51"},
                                              {"SchussExplodiert(0)", "1"},    {"LevelDaten(1).Gravok(1).Treffer", "1"},
                                              {"lblP.Caption", "10"},          {"tmeAniSchuss.Enabled", "True"},
                                              {"imgSchuss(0).Left", num(3000 + c.x)}};
        const std::vector<Expectation> miss = {{"imgSchuss(0).Tag", "2"},
                                               {"imgSchuss(0).Picture", "50"},
                                               {"LevelDaten(1).Gravok(1).Treffer", "0"},
                                               {"lblP.Caption", "0"},
                                               {"tmeAniSchuss.Enabled", "False"}};
        const SimRun run = playOneLevel({Target}, shotFlyingTo(5, 3000 + c.x, 3000 + c.y) + "tick tmeSchuss\n" +
                                                      expectLines(c.hits ? hit : miss));
        EXPECT_EQ(run.status, 0) << transcript(run);
    }
}

TEST(Shots, OneShotHitsEveryGravokItOverlaps)
{
    // Two gravoks on one spot; the second row destroys both with the same shot.
    for (int before : {0, 2}) {
        SCOPED_TRACE(before);
        const bool destroyed = before == 2;
        const SimRun run = playOneLevel(
            {Target, Target},
            "set LevelDaten(1).Gravok(1).Treffer " + std::to_string(before) + "\nset LevelDaten(1).Gravok(2).Treffer " +
                std::to_string(before) + "\n" + shotFlyingTo(5, 3100, 3100) + "tick tmeSchuss\n" +
                expectLines({{"LevelDaten(1).Gravok(1).Treffer", std::to_string(before + 1)},
                             {"LevelDaten(1).Gravok(2).Treffer", std::to_string(before + 1)},
                             {"lblP.Caption", destroyed ? "120" : "20"},
                             {"imgGravok(1).Tag", destroyed ? "0" : "1"},
                             {"imgGravok(2).Tag", destroyed ? "0" : "1"},
                             {"ExplosionsGravok", destroyed ? "2" : "0"}}));
        EXPECT_EQ(run.status, 0) << transcript(run);
    }
}

TEST(Shots, AShotIsOutOnlyWhenWhollyPastAnEdge)
{
    const struct {
        int heading;
        double left, top; // after the move
        bool out;
    } cases[] = {
        {9, 4000, 7200, false}, {9, 4000, 7201, true}, {1, 4000, -135, false}, {1, 4000, -136, true},
        {5, 9600, 1000, false}, {5, 9601, 1000, true}, {13, -135, 1000, false}, {13, -136, 1000, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "heading " << c.heading << " at " << c.left << "," << c.top);
        // Out: the slot is free and the shot stays where it went, out of sight.
        const SimRun run = playOneLevel({FarGravok}, shotFlyingTo(c.heading, c.left, c.top) + "tick tmeSchuss\n" +
                                                         expectLines({{"imgSchuss(0).Tag", c.out ? "0" : "2"},
                                                                      {"lblP.Caption", c.out ? "-10" : "0"},
                                                                      {"imgSchuss(0).Left", num(c.left)},
                                                                      {"imgSchuss(0).Top", num(c.top)}}));
        EXPECT_EQ(run.status, 0) << transcript(run);
    }
}

TEST(Shots, AMissCostsTenPointsDownToMinus99999)
{
    const std::pair<const char*, const char*> cases[] = {
        {"100", "90"},       {"0", "-10"},        {"-99980", "-99990"},
        {"-99989", "-99999"}, {"-99990", "-99999"}, {"-99999", "-99999"},
    };
    for (const auto& [before, after] : cases) {
        SCOPED_TRACE(before);
        const SimRun run = playOneLevel({FarGravok}, std::string("set lblP.Caption ") + before + "\n" +
                                                         shotFlyingTo(9, 4000, 7300) + "tick tmeSchuss\n" +
                                                         expectLines({{"lblP.Caption", after}}));
        EXPECT_EQ(run.status, 0) << transcript(run);
    }
}

TEST(Shots, AHitOnAGravokOutsideTheFieldScoresAndCosts)
{
    const SimRun run = playOneLevel({"1,4000,7300,0,0"}, "set lblP.Caption 100\n" + shotFlyingTo(9, 4100, 7350) +
                                                             "tick tmeSchuss\n" +
                                                             expectLines({{"LevelDaten(1).Gravok(1).Treffer", "1"},
                                                                          {"SchussExplodiert(0)", "1"},
                                                                          {"imgSchuss(0).Tag", "0"},
                                                                          {"lblP.Caption", "100"}}));
    EXPECT_EQ(run.status, 0) << transcript(run);
}

TEST(Shots, TheResetTickParksEveryShotThatHit)
{
    // Slots 0 and 2 hit in one tick; slot 3 flies on, far from everything.
    const SimRun run =
        playOneLevel({Target, "1,3000,5000,0,0"},
                     shotFlyingTo(5, 3100, 3100, 0) + shotFlyingTo(5, 3100, 5100, 2) + shotFlyingTo(5, 1000, 1000, 3) +
                         "tick tmeSchuss\ntick tmeAniSchuss\n" +
                         expectLines({{"imgSchuss(0).Picture", "50"},  {"imgSchuss(0).Top", "-250"},
                                      {"imgSchuss(0).Left", "3100"},   {"imgSchuss(0).Tag", "0"},
                                      {"SchussExplodiert(0)", "0"},    {"imgSchuss(2).Picture", "50"},
                                      {"imgSchuss(2).Top", "-250"},    {"SchussExplodiert(2)", "0"},
                                      {"imgSchuss(3).Tag", "2"},       {"imgSchuss(3).Left", "1000"},
                                      {"imgSchuss(3).Top", "1000"},    {"tmeAniSchuss.Enabled", "True"}}));
    EXPECT_EQ(run.status, 0) << transcript(run);
}

TEST(Shots, ASlotFiredAgainBeforeItsResetIsCancelledInFlight)
{
    const SimRun run = playOneLevel({Target}, shotFlyingTo(5, 3100, 3100) + "tick tmeSchuss\nkey Space\n" +
                                                  expectLines({{"imgSchuss(0).Tag", "1"}}) + "tick tmeSchuss\n" +
                                                  expectLines({{"imgSchuss(0).Tag", "2"}, {"imgSchuss(0).Picture", "51"}}) +
                                                  "tick tmeAniSchuss\n" +
                                                  expectLines({{"imgSchuss(0).Tag", "0"},
                                                               {"imgSchuss(0).Picture", "50"},
                                                               {"imgSchuss(0).Top", "-250"}}));
    EXPECT_EQ(run.status, 0) << transcript(run);
}

TEST(Shots, AShotInFlightGoesOnIntoANewGameFromAboveTheField)
{
    // The new game parks every shot at Top -250 but keeps its marker and heading.
    const struct {
        int heading;
        const char* tag;
        const char* score;
        const char* left;
        const char* top;
    } cases[] = {{9, "2", "0", "2000", "50"}, {5, "0", "-10", "2000", "-250"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.heading);
        const SimRun run = playOneLevel({FarGravok}, "set lblP.Caption 500\n" + shotFlyingTo(c.heading, 2000, 2000) +
                                                         "key F4\nclick lblOK\n" +
                                                         expectLines({{"imgSchuss(0).Top", "-250"}, {"lblP.Caption", "0"}}) +
                                                         "tick tmeSchuss\n" +
                                                         expectLines({{"imgSchuss(0).Tag", c.tag},
                                                                      {"lblP.Caption", c.score},
                                                                      {"imgSchuss(0).Left", c.left},
                                                                      {"imgSchuss(0).Top", c.top}}));
        EXPECT_EQ(run.status, 0) << transcript(run);
    }
}

TEST(Hits, PointsByKindEpisodeAndHitsTaken)
{
    const struct {
        const char* name;
        int episode, bild, treffer;
        const char* score;
        const char* scoreAfter;
        bool destroyed;
        int points;
    } cases[] = {
        {"first hit of a first kind", 1, 101, 0, "0", "10", false, 0},
        {"third hit of a first kind", 1, 101, 2, "20", "80", true, 50},
        {"fifth hit of a second kind", 1, 102, 4, "0", "110", true, 100},
        {"sixth hit of a third kind", 1, 103, 5, "0", "10", false, 0},
        {"seventh hit of a third kind", 1, 103, 6, "0", "160", true, 150},
        {"episode 4, its third kind", 4, 112, 6, "0", "160", true, 150},
        {"episode 4, its first kind", 4, 110, 2, "0", "60", true, 50},
        {"episode 2, a kind below its own", 2, 101, 2, "0", "-90", true, -100},
        {"episode 3, kind 6 is worth nothing", 3, 106, 6, "1000", "1010", true, 0},
        {"episode 1, kind 12", 1, 112, 6, "0", "610", true, 600},
        {"a destroying hit near the top", 1, 101, 2, "99985", "99999", true, 50},
        {"both steps clamped", 1, 101, 2, "99939", "99999", true, 50},
        {"a destroying hit below the top", 1, 101, 2, "99900", "99960", true, 50},
        {"a hit reaching the top", 1, 101, 0, "99989", "99999", false, 0},
        {"a hit at 99990", 1, 101, 0, "99990", "99999", false, 0},
        {"a hit below the top", 1, 101, 0, "99979", "99989", false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string script = "set Episode " + std::to_string(c.episode) + "\nset LevelDaten(1).Gravok(1).Bild " +
                             std::to_string(c.bild) + "\nset LevelDaten(1).Gravok(1).Treffer " +
                             std::to_string(c.treffer) + "\nset lblP.Caption " + c.score + "\n";
        script += shotFlyingTo(5, 3100, 3100) + "tick tmeSchuss\n";
        std::vector<Expectation> after = {{"LevelDaten(1).Gravok(1).Treffer", std::to_string(c.treffer + 1)},
                                          {"lblP.Caption", c.scoreAfter},
                                          {"tmeAniGravok.Enabled", c.destroyed ? "True" : "False"},
                                          {"ExplosionsPhase(1)", c.destroyed ? "1" : "0"}};
        if (c.destroyed)
            after.insert(after.end(), {{"imgGravok(1).Picture", "151"},
                                       {"imgGravok(1).Tag", "0"},
                                       {"ExplosionsGravok", "1"},
                                       {"Trefferpunkte", std::to_string(c.points)}});
        else
            after.insert(after.end(), {{"imgGravok(1).Picture", "101"}, {"imgGravok(1).Tag", "1"}});
        const SimRun run = playOneLevel({Target}, script + expectLines(after));
        EXPECT_EQ(run.status, 0) << transcript(run);
    }
}

TEST(Hits, AWreckHitAgainOnlyCountsTheHit)
{
    // Destroyed, showing its last explosion stage: the shot still finds it.
    const SimRun run = playOneLevel({Target}, "set LevelDaten(1).Gravok(1).Treffer 3\nset imgGravok(1).Tag 0\n"
                                              "set imgGravok(1).Picture 153\nset ExplosionsPhase(1) 3\n" +
                                                  shotFlyingTo(5, 3100, 3100) + "tick tmeSchuss\n" +
                                                  expectLines({{"LevelDaten(1).Gravok(1).Treffer", "4"},
                                                               {"lblP.Caption", "10"},
                                                               {"imgGravok(1).Picture", "153"},
                                                               {"ExplosionsPhase(1)", "3"},
                                                               {"tmeAniGravok.Enabled", "False"}}));
    EXPECT_EQ(run.status, 0) << transcript(run);
}

} // namespace
} // namespace gravok::test
