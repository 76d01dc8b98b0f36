// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "play_support.h"

namespace gravok::test {
namespace {

// A gravok under the shuttle whose upward step dy (< 0) brings its top onto the shuttle's
// bottom edge 4027. Any deflection raises dy, so one pass always clears it.
std::string gravokBelow(int dx, int dy, int left = 4500)
{
    return "1," + std::to_string(left) + "," + std::to_string(4027 - dy) + "," + std::to_string(dx) + "," +
           std::to_string(dy);
}

std::string damage(int schaden)
{
    std::string script = "set Schaden " + std::to_string(schaden) + "\n";
    for (int k = 0; k < schaden; ++k)
        script += "set spe(" + std::to_string(k) + ").Visible True\n";
    return script;
}

int countStarting(const std::vector<std::string>& lines, const std::string& prefix)
{
    return static_cast<int>(
        std::count_if(lines.begin(), lines.end(), [&](const std::string& l) { return l.rfind(prefix, 0) == 0; }));
}

TEST(FieldCollision, TheGravokIsDeflectedAndTheShuttleKnocked)
{
    // Draws: gravok sign, gravok step, heading, amount, shuttle sign (a 0 sign is redrawn).
    const struct {
        const char* name;
        int tempo, dx, dy;
        const char* draws;
        int dxAfter, dyAfter, richtung, schritt, vorzeichen, tempoAfter;
    } cases[] = {
        {"top speed stays 100", 95, 30, -30, "0.9 0 0.99 0.99 0.9", 31, -29, 16, 25, 1, 100},
        {"bottom speed stays -100", -90, 0, -100, "0.1 0.95 0 0.99 0.1", 10, 100, 1, -25, -1, -100},
        {"a standing shuttle is set moving", 0, -100, -50, "0.5 0.9 0.3 0.5 0 0.5 0.2", -96, -46, 9, -1, -1, -1},
        {"a step from the file is clamped", 10, 150, -20, "0.1 0 0.7 0.4 0.9", -100, 21, 12, 11, 1, 21},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const SimRun run =
            playOneLevel({gravokBelow(c.dx, c.dy)},
                         "set Tempo " + std::to_string(c.tempo) + "\nrandom " + c.draws + "\ntick tmeGravokiten\n" +
                             expectLines({{"LevelDaten(1).Gravok(1).DX", std::to_string(c.dxAfter)},
                                          {"LevelDaten(1).Gravok(1).DY", std::to_string(c.dyAfter)},
                                          {"Richtung", std::to_string(c.richtung)},
                                          {"ZufallsSchritt", std::to_string(c.schritt)},
                                          {"ZufallsVorzeichen", std::to_string(c.vorzeichen)},
                                          {"Tempo", std::to_string(c.tempoAfter)},
                                          {"lblTempo.Caption", std::to_string(c.tempoAfter)},
                                          // The new heading is on screen at once, the shuttle where it was.
                                          {"imgShuttle.Picture", std::to_string(c.richtung + 20)},
                                          {"ShuttleBild", "1"},
                                          {"imgShuttle.Left", "4372"},
                                          {"imgShuttle.Top", "3172"},
                                          {"Schaden", "1"},
                                          {"spe(0).Visible", "True"},
                                          {"imgGravok(1).Left", std::to_string(4500 + c.dxAfter)}}));
        EXPECT_EQ(run.status, 0) << transcript(run);
    }
}

TEST(FieldCollision, PushingApartEndsWithGravokAndShuttleApart)
{
    const struct {
        const char* name;
        double left, top;
        int dx, dy;
        const char* draws;
    } cases[] = {
        {"on the shuttle's corner, stepping down-right", 4372, 3172, 100, 100, "0.9 0.95 0 0 0.9"},
        {"in the shuttle's middle, steps flipping", 4560, 3360, 100, 100, "0.1 0.95 0.5 0.99 0.1"},
        {"below-right, stepping up-left", 4747, 3547, -100, -100, "0.9 0 0.5 0.5 0.1"},
        {"crossing steps, the speed kept at its top", 4372, 3547, 100, -100, "0.1 0.95 0.99 0.99 0.9"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const SimRun run = playOneLevel({"1," + std::to_string(static_cast<int>(c.left)) + "," +
                                         std::to_string(static_cast<int>(c.top)) + "," + std::to_string(c.dx) + "," +
                                         std::to_string(c.dy)},
                                        repeated(c.draws, 100) +
                                            "tick tmeGravokiten\nget imgGravok(1).Left\nget imgGravok(1).Top\n"
                                            "get imgShuttle.Left\nget imgShuttle.Top\n" +
                                            expectLines({{"Schaden", "1"}}));
        ASSERT_EQ(run.status, 0) << transcript(run);
        ASSERT_EQ(run.lines.size(), 4U) << transcript(run);
        const double gl = std::stod(run.lines[0]), gt = std::stod(run.lines[1]);
        const double sl = std::stod(run.lines[2]), st = std::stod(run.lines[3]);
        EXPECT_TRUE(gl + 480 < sl || gl > sl + 855 || gt + 480 < st || gt > st + 855)
            << "gravok at " << gl << "," << gt << " still on the shuttle at " << sl << "," << st;
    }
}

TEST(FieldDamage, EachHitLightsTheNextSegmentAndTheGameGoesOn)
{
    for (int before : {0, 9, 17}) {
        SCOPED_TRACE(before);
        const SimRun run = playOneLevel({gravokBelow(0, -30)},
                                        damage(before) + "random 0.9 0 0 0 0.9\ntick tmeGravokiten\n" +
                                            expectLines({{"Schaden", std::to_string(before + 1)},
                                                         {"spe(" + std::to_string(before) + ").Visible", "True"},
                                                         {"tmeBewegung.Enabled", "True"},
                                                         {"tmeGravokiten.Enabled", "True"},
                                                         {"lblAnzeige.Caption", ""},
                                                         {"frmHaupt.Tag", "0"}}) +
                                            (before < 17 ? expectLines({{"spe(" + std::to_string(before + 1) + ").Visible",
                                                                         "False"}})
                                                         : ""));
        EXPECT_EQ(run.status, 0) << transcript(run);
    }
}

// While the high-score dialog is up it reads the script; Enter closes it.
const std::string WhileTheDialogIsUp = "windows\n" + expectLines({{"PunkteEintragen", "True"},
                                                                  {"lblAnzeige.Caption", "Game over!"},
                                                                  {"Pausiert", "1"},
                                                                  {"tmeBewegung.Enabled", "False"},
                                                                  {"tmeGravokiten.Enabled", "False"},
                                                                  {"tmeSchuss.Enabled", "False"}}) +
                                       "key Enter\nwindows\n";

const std::string AfterTheDialog = expectLines({{"PunkteEintragen", "False"},
                                                {"frmHaupt.Tag", "1"},
                                                {"Schaden", "19"},
                                                {"spe(17).Visible", "True"},
                                                {"lblAnzeige.Caption", "Game over!"}}) +
                                   // The pause key no longer resumes a lost game.
                                   "key P\n" +
                                   expectLines({{"Pausiert", "1"},
                                                {"tmeBewegung.Enabled", "False"},
                                                {"lblAnzeige.Caption", "Game over!"}}) +
                                   "log\n";

void expectOneHighScoreDialog(const SimRun& run)
{
    ASSERT_GE(run.lines.size(), 2U) << transcript(run);
    EXPECT_EQ(run.lines[0], "frmHaupt frmPunkte") << transcript(run);
    EXPECT_EQ(run.lines[1], "frmHaupt") << "a second high-score dialog\n" << transcript(run);
    EXPECT_LE(countStarting(run.lines, "inputbox "), 1) << transcript(run);
}

TEST(FieldGameOver, TheNineteenthHitStopsTheGameAndTakesTheScore)
{
    const SimRun run = playOneLevel({gravokBelow(0, -30)}, damage(18) + "input Tester\nrandom 0.9 0 0 0 0.9\n"
                                                                        "tick tmeGravokiten\n" +
                                                               WhileTheDialogIsUp + AfterTheDialog);
    EXPECT_EQ(run.status, 0) << transcript(run);
    expectOneHighScoreDialog(run);
}

TEST(FieldGameOver, TheRestOfTheDescentTickDoesNoFurtherDamage)
{
    // Gravoks 1 and 2 both touch the shuttle in the tick of the nineteenth hit: stepping
    // onto its edge, or lying on it so that the hit first pushes them apart.
    const struct {
        const char* name;
        std::string first, second;
    } cases[] = {
        {"stepping onto the bottom edge", gravokBelow(0, -30, 4400), gravokBelow(0, -30, 4900)},
        {"lying on the shuttle", "1,4400,3200,0,0", "1,4600,3400,0,0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const SimRun run = playOneLevel({c.first, c.second}, damage(18) + "input Tester\nrandom 0.9 0 0 0 0.9\n"
                                                                          "tick tmeGravokiten\n" +
                                                                 WhileTheDialogIsUp + AfterTheDialog);
        EXPECT_EQ(run.status, 0) << transcript(run);
        expectOneHighScoreDialog(run);
    }
}

TEST(FieldGameOver, TheMovementTickStopsAtTheGameEndingContact)
{
    // Heading 5 at speed 10: both gravoks are reached by the next right edge 5247, and the
    // heart waits at the next bottom-right corner. The lost shuttle neither moves nor heals.
    const SimRun run = playOneLevel({"1,5240,3000,0,0", "1,5240,3600,0,0"},
                                    damage(18) + "set Richtung 5\nset Tempo 10\nset ShuttleBild 1\n"
                                                 "set imgHerz.Left 5247\nset imgHerz.Top 4027\ninput Tester\n"
                                                 "random 0.9 0 0.5 0.2 0.9 0.9 0 0.5 0.2 0.9\ntick tmeBewegung\n" +
                                        WhileTheDialogIsUp + AfterTheDialog +
                                        expectLines({{"imgShuttle.Left", "4372"}, {"imgHerz.Top", "4027"}}));
    EXPECT_EQ(run.status, 0) << transcript(run);
    expectOneHighScoreDialog(run);
}

} // namespace
} // namespace gravok::test
