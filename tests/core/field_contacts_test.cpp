// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "app/frm_haupt.h"
#include "app/game.h"
#include "core/recording_platform.h"
#include "play_support.h"

namespace gravok {
namespace {

struct Rect {
    float left, top, width, height;
};

void place(Control& c, const Rect& r)
{
    c.Left = r.left;
    c.Top = r.top;
    c.Width = r.width;
    c.Height = r.height;
}

// A started game whose start-up dialog is answered with OK, so level 1 is loaded.
class FieldContacts : public testing::Test {
protected:
    FieldContacts() : platform(dir.path())
    {
        platform.modalLoop = [](Form& f) { f.click(f.at("lblOK")); };
        game.Main();
    }

    FrmHaupt& haupt() { return game.frmHaupt(); }
    GravokSatz& slot(int k) { return game.Start.LevelDaten(game.Start.Level).Gravok(k); }

    test::ProgramDir dir;
    RecordingPlatform platform;
    Game game{platform};
};

struct OverlapCase {
    const char* name;
    Rect mover;
    int dx, dy;
    Rect target;
    bool contact;
};

constexpr Rect Shuttle{4372, 3172, 855, 855};

// The three contact tests share one rule, so every row is put to each of them: the mover
// as gravok 1 or as the shuttle, the target as gravok 2 or as the shuttle.
const OverlapCase OverlapCases[] = {
    {"next bottom edge on the top edge", {1000, 1000, 480, 480}, 0, 20, {1200, 1500, 480, 480}, true},
    {"next bottom edge a twip above it", {1000, 1000, 480, 480}, 0, 19, {1200, 1500, 480, 480}, false},
    {"next right edge on the left edge", {1000, 1000, 480, 480}, 20, 0, {1500, 1100, 480, 480}, true},
    {"next right edge a twip short", {1000, 1000, 480, 480}, 19, 0, {1500, 1100, 480, 480}, false},
    {"overlapping while standing", {1000, 1000, 480, 480}, 0, 0, {1100, 1100, 480, 480}, true},
    {"only bottom-right inside", {1000, 1000, 480, 480}, 0, 0, {1400, 1400, 480, 480}, true},
    {"only bottom-left inside", {1000, 1000, 480, 480}, 0, 0, {600, 1400, 480, 480}, true},
    {"only top-left inside", {1000, 1000, 480, 480}, 0, 0, {600, 600, 480, 480}, true},
    {"only top-right inside", {1000, 1000, 480, 480}, 0, 0, {1400, 600, 480, 480}, true},
    {"plus sign, wide mover", {1000, 1200, 600, 100}, 0, 0, {1250, 1000, 100, 600}, false},
    {"plus sign, tall mover", {1250, 1000, 100, 600}, 0, 0, {1000, 1200, 600, 100}, false},
    {"a step that jumps over the target", {1000, 1000, 480, 480}, 0, 1100, {1000, 1500, 480, 480}, false},
    {"target wholly inside the mover", Shuttle, 0, 0, {4500, 3300, 480, 480}, false},
    {"mover wholly inside the target", {4500, 3300, 480, 480}, 0, 0, Shuttle, true},
    {"shuttle stepping up beside a gravok", Shuttle, 0, -20, {4600, 2700, 480, 480}, false},
    {"gravok reaching into the shuttle", {4600, 2700, 480, 480}, 0, 0, Shuttle, true},
    {"negative step onto the target", {1000, 1000, 480, 480}, -100, -100, {420, 420, 480, 480}, true},
};

TEST_F(FieldContacts, EveryContactTestTakesTheMoversNextCornersOnly)
{
    for (const auto& c : OverlapCases) {
        SCOPED_TRACE(c.name);
        place(*haupt().imgGravok(1), c.mover);
        slot(1).DX = c.dx;
        slot(1).DY = c.dy;
        place(*haupt().imgGravok(2), c.target);
        EXPECT_EQ(haupt().KollisionGravokGravok(1, 2), c.contact) << "gravok against gravok";

        place(*haupt().imgShuttle, c.target);
        EXPECT_EQ(haupt().KollisionGravokShuttle(1), c.contact) << "gravok against shuttle";

        place(*haupt().imgShuttle, c.mover);
        EXPECT_EQ(haupt().KollisionShuttleGravok(2, c.dx, c.dy), c.contact) << "shuttle against gravok";
    }
}

TEST_F(FieldContacts, OutOfPlayGravoksStillTouchAndTargetsDoNotStep)
{
    place(*haupt().imgGravok(1), {1000, 1000, 480, 480});
    slot(1).DX = 20;
    slot(1).DY = 0;
    place(*haupt().imgGravok(2), {1500, 1000, 480, 480});
    haupt().imgGravok(2)->Tag = "0";
    haupt().imgGravok(2)->Visible = false;
    EXPECT_TRUE(haupt().KollisionGravokGravok(1, 2));

    // The target's own step would carry it onto the mover; only where it stands counts.
    slot(1).DX = 0;
    slot(2).DX = -100;
    EXPECT_FALSE(haupt().KollisionGravokGravok(1, 2));
}

// --- The movement tick, through the harness -------------------------------------------

using test::num;

// One gravok parked far from the shuttle's start (4372, 3172) and from every edge row.
const std::string FarGravok = "1,1200,400,0,0";

test::SimRun play(const std::string& gravoks, const std::string& script)
{
    return test::runSimWith({{"Episode1.gvk", test::episode({"1", gravoks, ""})}}, "click lblOK\n" + script);
}

std::string shuttleAt(double left, double top)
{
    return "set imgShuttle.Left " + num(left) + "\nset imgShuttle.Top " + num(top) + "\n";
}

TEST(FieldFlight, ThePictureStepDecidesWhetherTheShuttleMoves)
{
    // A tick that ends in the picture step must not even test contacts: for those rows a
    // gravok covers the shuttle's top-left corner, and any contact would cost damage.
    const struct {
        const char* name;
        int tempo, bild, picture;
        int bildAfter, pictureAfter;
        bool moves;
    } cases[] = {
        {"standing, standing picture shown", 0, 0, 3, 0, 3, false},
        {"standing after a turn", 0, 1, 23, 0, 3, false},
        {"standing after a collision", 0, 2, 3, 1, 23, false},
        {"moving after a collision", 5, 2, 3, 1, 23, false},
        {"starting to move", 5, 0, 3, 1, 23, true},
        {"moving, the picture is kept", 5, 1, 7, 1, 7, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string script = "set Richtung 3\nset Tempo " + std::to_string(c.tempo) + "\nset ShuttleBild " +
                                   std::to_string(c.bild) + "\nset imgShuttle.Picture " + std::to_string(c.picture) +
                                   "\ntick tmeBewegung\n";
        // Heading 3 steps (2T, -2T).
        const int moved = c.moves ? 2 * c.tempo : 0;
        const test::SimRun run = play(c.moves ? FarGravok : "1,4200,3000,0,0",
                                      script + test::expectLines({
                                                   {"ShuttleBild", std::to_string(c.bildAfter)},
                                                   {"imgShuttle.Picture", std::to_string(c.pictureAfter)},
                                                   {"imgShuttle.Left", num(4372 + moved)},
                                                   {"imgShuttle.Top", num(3172 - moved)},
                                                   {"Schaden", "0"},
                                               }));
        EXPECT_EQ(run.status, 0) << test::transcript(run);
    }
}

TEST(FieldFlight, WrapsOnlyOnceTheShuttleIsWhollyPastAnEdge)
{
    // Ten units of speed: 20 twips per tick along the heading.
    const struct {
        int heading;
        double left, top, leftAfter, topAfter;
    } cases[] = {
        {9, 4372, 7180, 4372, 7200},  {9, 4372, 7181, 4372, -855},  {5, 9580, 3172, 9600, 3172},
        {5, 9581, 3172, -855, 3172},  {1, 4372, -835, 4372, -855},  {1, 4372, -836, 4372, 7200},
        {13, -835, 3172, -855, 3172}, {13, -836, 3172, 9600, 3172},
    };
    std::string script = "set Tempo 10\nset ShuttleBild 1\n";
    for (const auto& c : cases)
        script += shuttleAt(c.left, c.top) + "set Richtung " + std::to_string(c.heading) + "\ntick tmeBewegung\n" +
                  test::expectLines({{"imgShuttle.Left", num(c.leftAfter)}, {"imgShuttle.Top", num(c.topAfter)}});
    const test::SimRun run = play(FarGravok, script);
    EXPECT_EQ(run.status, 0) << test::transcript(run);
}

TEST(FieldFlight, TheHeartIsCollectedByAShuttleCorner)
{
    // Heading 5 at speed 10 brings the shuttle's bottom-right corner to (5247, 4027).
    const struct {
        const char* name;
        double heartLeft, heartTop;
        int schaden, schadenAfter;
    } cases[] = {
        {"corner on the heart's corner, light damage", 5247, 4027, 3, 0},
        {"corner on the heart's corner, full bar", 5247, 4027, 18, 13},
        {"less damage than the heart repairs", 5100, 3900, 2, 0},
        {"a twip beyond the corner", 5248, 4027, 3, 3},
        {"heart inside the outline, no corner in it", 4600, 3400, 3, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string script = "set Richtung 5\nset Tempo 10\nset ShuttleBild 1\nset Schaden " +
                             std::to_string(c.schaden) + "\nset imgHerz.Left " + num(c.heartLeft) +
                             "\nset imgHerz.Top " + num(c.heartTop) + "\n";
        for (int k = 0; k < c.schaden; ++k)
            script += "set spe(" + std::to_string(k) + ").Visible True\n";
        script += "tick tmeBewegung\n";
        const bool collected = c.schadenAfter != c.schaden;
        std::vector<test::Expectation> after = {{"Schaden", std::to_string(c.schadenAfter)},
                                                {"imgHerz.Top", collected ? "-2500" : num(c.heartTop)}};
        // The bar shows exactly the remaining damage.
        const int lit = collected ? c.schadenAfter : c.schaden;
        for (int k = 0; k < 18; ++k)
            after.push_back({"spe(" + std::to_string(k) + ").Visible", k < lit ? "True" : "False"});
        const test::SimRun run = play(FarGravok, script + test::expectLines(after));
        EXPECT_EQ(run.status, 0) << test::transcript(run);
    }
}

TEST(FieldFlight, TheHeartIsSoughtBeforeTheShuttleWraps)
{
    // Out through the bottom edge: at its unwrapped place the shuttle is far from a heart
    // on the top edge that its wrapped place would touch.
    const test::SimRun run =
        play(FarGravok, shuttleAt(4372, 7181) + "set Richtung 9\nset Tempo 10\nset ShuttleBild 1\nset Schaden 6\n"
                                                "set imgHerz.Left 4300\nset imgHerz.Top 0\ntick tmeBewegung\n" +
                            test::expectLines({{"imgShuttle.Top", "-855"}, {"Schaden", "6"}, {"imgHerz.Top", "0"}}));
    EXPECT_EQ(run.status, 0) << test::transcript(run);
}

TEST(FieldFlight, AContactTurnsThePictureButTheTickMovesAlongTheOldHeading)
{
    // Heading 5 at speed 10: the next right edge 5247 reaches gravok 1 at 5240. The gravok
    // is deflected to step (1, 1), which clears the shuttle, so there is one pass.
    // Draws: gravok sign +1, step 1; heading 9; amount 6; shuttle sign +1.
    const test::SimRun run = play("1,5240,3000,0,0", "set Richtung 5\nset Tempo 10\nset ShuttleBild 1\n"
                                                     "random 0.9 0 0.5 0.2 0.9\ntick tmeBewegung\n" +
                                                         test::expectLines({
                                                             {"Richtung", "9"},
                                                             {"Tempo", "16"},
                                                             {"lblTempo.Caption", "16"},
                                                             {"imgShuttle.Picture", "29"},
                                                             {"ShuttleBild", "1"},
                                                             {"Schaden", "1"},
                                                             {"spe(0).Visible", "True"},
                                                             {"LevelDaten(1).Gravok(1).DX", "1"},
                                                             {"LevelDaten(1).Gravok(1).DY", "1"},
                                                             {"imgShuttle.Left", "4404"},
                                                             {"imgShuttle.Top", "3172"},
                                                         }));
    EXPECT_EQ(run.status, 0) << test::transcript(run);
}

} // namespace
} // namespace gravok
