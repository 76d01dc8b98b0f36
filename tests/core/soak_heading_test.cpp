#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <numbers>

#include "app/frm_haupt.h"
#include "app/game.h"
#include "core/recording_platform.h"
#include "players/aim_sight.h"
#include "players/heading.h"
#include "sim_support.h"

namespace gravok {
namespace {

// A point at DEGREES clockwise from up, seen from the middle of the field.
struct Aim {
    double x, y;
};
Aim toward(double degrees, double distance = 1000)
{
    const double r = degrees * std::numbers::pi / 180.0;
    return {4800 + distance * std::sin(r), 3600 - distance * std::cos(r)};
}

int headingAt(double degrees, double distance = 1000)
{
    const Aim a = toward(degrees, distance);
    return headingToward(4800, 3600, a.x, a.y);
}

TEST(PlayerHeading, EachHeadingOwnsTheSectorAroundItsDirection)
{
    for (int h = 1; h <= 16; ++h) {
        const double centre = (h - 1) * 22.5;
        const int clockwise = h % 16 + 1;
        const int anticlockwise = (h + 14) % 16 + 1;
        SCOPED_TRACE("heading " + std::to_string(h));
        EXPECT_EQ(headingAt(centre), h);
        EXPECT_EQ(headingAt(centre, 3), h) << "close by";
        EXPECT_EQ(headingAt(centre + 11.2), h);
        EXPECT_EQ(headingAt(centre - 11.2), h);
        EXPECT_EQ(headingAt(centre + 11.3), clockwise);
        EXPECT_EQ(headingAt(centre - 11.3), anticlockwise);
    }
}

TEST(PlayerHeading, AxesAndDiagonalsInFieldCoordinates)
{
    // y grows downwards on the field, so "up" is a smaller Top.
    const struct {
        double dx, dy;
        int heading;
    } cases[] = {{0, -1, 1}, {1, -1, 3}, {1, 0, 5}, {1, 1, 7}, {0, 1, 9}, {-1, 1, 11}, {-1, 0, 13}, {-1, -1, 15}};
    for (const auto& c : cases)
        EXPECT_EQ(headingToward(100, 100, 100 + c.dx, 100 + c.dy), c.heading) << c.dx << "," << c.dy;
    EXPECT_EQ(headingToward(100, 100, 100, 100), 0) << "no direction at all";
}

TEST(PlayerHeading, EveryShotFliesWithinTheSectorOfItsOwnHeading)
{
    // The game's steps are not 22.5° apart (2 is 26.6°), but each stays in its sector.
    for (int h = 1; h <= 16; ++h) {
        const Step s = shotStep(h);
        EXPECT_EQ(headingToward(0, 0, s.x, s.y), h);
    }
}

TEST(PlayerHeading, TurnsTakeTheShortWayRound)
{
    const struct {
        int from, to, turn, count;
    } cases[] = {{1, 1, 0, 0},   {1, 2, +1, 1},  {2, 1, -1, 1},  {1, 16, -1, 1}, {16, 1, +1, 1},
                 {15, 2, +1, 3}, {2, 15, -1, 3}, {1, 9, +1, 8},  {9, 1, +1, 8},  {5, 12, +1, 7},
                 {12, 5, -1, 7}, {4, 13, -1, 7}};
    for (const auto& c : cases) {
        EXPECT_EQ(turnToward(c.from, c.to), c.turn) << c.from << " to " << c.to;
        EXPECT_EQ(turnsBetween(c.from, c.to), c.count) << c.from << " to " << c.to;
    }
}

TEST(PlayerHeading, FollowingTheTurnsArrivesInTheCountedNumberOfSteps)
{
    for (int from = 1; from <= 16; ++from) {
        for (int to = 1; to <= 16; ++to) {
            int heading = from;
            int steps = 0;
            // As the game turns: Left from 1 gives 16, Right from 16 gives 1.
            for (int turn; (turn = turnToward(heading, to)) != 0 && steps <= 8; ++steps)
                heading = (heading + turn + 15) % 16 + 1;
            EXPECT_EQ(heading, to) << from << " to " << to;
            EXPECT_EQ(steps, turnsBetween(from, to)) << from << " to " << to;
        }
    }
}

// The prediction of a shot against what the game itself does with it.
class ShotPrediction : public testing::Test {
protected:
    ShotPrediction() : platform(dir.path())
    {
        std::ofstream(dir.path() / "Episode1.gvk", std::ios::binary) << "1\r\n1,4000,800,0,0\r\n\r\n";
        platform.modalLoop = [](Form& dialog) { dialog.click(dialog.at("lblOK")); };
        game.Main();
    }

    // Puts the gravok's centre at (x, y) with a step, waits DELAY ticks, fires with HEADING.
    bool gameHits(int heading, double x, double y, Step v, int delay)
    {
        FrmHaupt& h = game.frmHaupt();
        game.Start.LevelDaten(1).Gravok(1).Treffer = 0;
        for (int i = 0; i <= 9; ++i)
            h.imgSchuss(i)->Tag = "0";
        Control& g = *h.imgGravok(1);
        g.Left = static_cast<float>(x - g.Width / 2);
        g.Top = static_cast<float>(y - g.Height / 2);
        game.Start.LevelDaten(1).Gravok(1).DX = static_cast<int>(v.x);
        game.Start.LevelDaten(1).Gravok(1).DY = static_cast<int>(v.y);
        game.Start.Richtung = heading;
        predicted = shotWouldHit(boxOf(*h.imgShuttle), heading, delay, boxOf(g), v);
        game.clock.advance(50 * static_cast<std::uint64_t>(delay));
        h.keyDown(key::Space, 0);
        game.clock.advance(50 * 45);
        return game.Start.LevelDaten(1).Gravok(1).Treffer > 0;
    }

    test::ProgramDir dir;
    RecordingPlatform platform;
    Game game{platform};
    bool predicted = false;
};

TEST_F(ShotPrediction, AGravokOnTheLineOfEveryHeadingIsHitAndOneBesideItIsNot)
{
    for (int heading = 1; heading <= 16; ++heading) {
        const Step s = shotStep(heading);
        const double length = std::hypot(s.x, s.y);
        // Five flights out from the shuttle's centre, then 700 twips to the side.
        const double x = 4800 + 5 * s.x, y = 3600 + 5 * s.y;
        SCOPED_TRACE("heading " + std::to_string(heading));
        EXPECT_TRUE(gameHits(heading, x, y, {}, 0));
        EXPECT_TRUE(predicted);
        EXPECT_FALSE(gameHits(heading, x - 700 * s.y / length, y + 700 * s.x / length, {}, 0));
        EXPECT_FALSE(predicted);
    }
}

TEST_F(ShotPrediction, AMovingGravokIsMetWhereItWillBe)
{
    const struct {
        const char* name;
        int heading;
        double x, y;
        Step v;
        int delay;
        bool hits;
    } cases[] = {
        {"crossing into the line", 1, 4300, 1800, {60, 0}, 0, true},
        {"crossing, but too late", 1, 4300, 1800, {60, 0}, 12, false},
        {"too early", 5, 6600, 2600, {0, 50}, 0, false},
        {"waiting lets it come", 5, 6600, 2600, {0, 50}, 10, true},
        {"caught up from behind", 9, 4800, 4600, {0, 90}, 0, true},
        {"moving away from the line", 13, 2000, 2800, {0, -60}, 0, false},
        // One tick decides these: the launch tick places the shot without testing it.
        {"one tick short", 1, 4000, 1800, {90, 0}, 0, false},
        {"one tick later just right", 1, 4000, 1800, {90, 0}, 1, true},
        {"just in time", 1, 4600, 1800, {90, 0}, 0, true},
        {"one tick too late", 1, 4600, 1800, {90, 0}, 1, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(gameHits(c.heading, c.x, c.y, c.v, c.delay), c.hits) << c.name;
        EXPECT_EQ(predicted, c.hits) << c.name;
    }
}

} // namespace
} // namespace gravok
