#include <gtest/gtest.h>

#include <cmath>

#include "play_support.h"

namespace gravok::test {
namespace {

std::string gravokAt(int k, double left, double top, int dx, int dy)
{
    const std::string img = "imgGravok(" + std::to_string(k) + ").";
    const std::string rec = "LevelDaten(1).Gravok(" + std::to_string(k) + ").";
    return "set " + img + "Left " + num(left) + "\nset " + img + "Top " + num(top) + "\nset " + rec + "DX " +
           std::to_string(dx) + "\nset " + rec + "DY " + std::to_string(dy) + "\n";
}

std::vector<Expectation> gravokIs(int k, double left, double top)
{
    const std::string img = "imgGravok(" + std::to_string(k) + ").";
    return {{img + "Left", num(left)}, {img + "Top", num(top)}};
}

TEST(FieldDescent, GravoksWrapOnlyOnceWhollyPastAnEdge)
{
    const struct {
        const char* name;
        double left, top;
        int dx, dy;
        double leftAfter, topAfter;
    } cases[] = {
        {"top on the bottom edge", 4000, 7190, 0, 10, 4000, 7200},
        {"a twip below the field", 4000, 7190, 0, 11, 4000, -480},
        {"bottom on the top edge", 4000, -470, 0, -10, 4000, -480},
        {"a twip above the field", 4000, -470, 0, -11, 4000, 7200},
        {"left on the right edge", 9590, 1000, 10, 0, 9600, 1000},
        {"a twip right of the field", 9590, 1000, 11, 0, -480, 1000},
        {"right on the left edge", -470, 1000, -10, 0, -480, 1000},
        {"a twip left of the field", -470, 1000, -11, 0, 9600, 1000},
        {"out through the bottom-right corner", 9595, 7195, 10, 10, -480, -480},
        {"out through the top-left corner", -475, -475, -10, -10, 9600, 7200},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const SimRun run = playOneLevel({"1,0,0,0,0"}, gravokAt(1, c.left, c.top, c.dx, c.dy) + "tick tmeGravokiten\n" +
                                                           expectLines(gravokIs(1, c.leftAfter, c.topAfter)));
        EXPECT_EQ(run.status, 0) << transcript(run);
    }
}

TEST(FieldDescent, AnOutOfPlayGravokStandsStillButStillBouncesAndHurts)
{
    // Gravok 1 is out of play, below the field and touching the shuttle's bottom edge with
    // its step; gravok 2 runs into it from the right.
    const std::string script = "set imgGravok(1).Tag 0\n" + gravokAt(1, 4500, 4057, 0, -30) +
                               gravokAt(2, 5000, 4100, -20, 0) +
                               // Shuttle contact of 1: sign +1, step 1, heading 9, amount 1, sign +1.
                               // Bounce of 2 off 1: sign -1, step 1.
                               "random 0.9 0 0.5 0 0.9 0.1 0\ntick tmeGravokiten\n";
    const SimRun run = playOneLevel({"1,0,0,0,0", "1,0,0,0,0"},
                                    script + expectLines({{"Schaden", "1"},
                                                          {"imgGravok(1).Left", "4500"},
                                                          {"imgGravok(1).Top", "4057"},
                                                          {"LevelDaten(1).Gravok(2).DX", "21"},
                                                          {"imgGravok(2).Left", "5021"}}));
    EXPECT_EQ(run.status, 0) << transcript(run);
}

TEST(FieldDescent, SlotsAboveTheLevelsCountAreNeitherTestedNorMoved)
{
    // Slot 3 is marked active, steps, and lies on the shuttle, yet the level has two.
    const SimRun run = playOneLevel({"1,1000,1000,5,0", "1,2000,1000,5,0"},
                                    "set imgGravok(3).Tag 1\n" + gravokAt(3, 4400, 3200, 50, 50) + "tick tmeGravokiten\n" +
                                        expectLines({{"imgGravok(3).Left", "4400"},
                                                     {"imgGravok(3).Top", "3200"},
                                                     {"Schaden", "0"},
                                                     {"imgGravok(1).Left", "1005"},
                                                     {"imgGravok(2).Left", "2005"}}));
    EXPECT_EQ(run.status, 0) << transcript(run);
}

TEST(FieldDescent, LaterGravoksMeetEarlierOnesWhereTheyHaveMoved)
{
    // Gravok 1 steps right to end at 1500; only then does gravok 2, stepping left to 1500,
    // touch it. Bounce: sign -1, step 1.
    const SimRun run = playOneLevel({"1,1000,1000,20,0", "1,1520,1000,-20,0"},
                                    "random 0.1 0\ntick tmeGravokiten\n" +
                                        expectLines({{"ZufallsVorzeichen", "-1"},
                                                     {"LevelDaten(1).Gravok(1).DX", "-19"},
                                                     {"LevelDaten(1).Gravok(2).DX", "21"},
                                                     {"imgGravok(1).Left", "1020"},
                                                     {"imgGravok(2).Left", "1541"},
                                                     {"imgGravok(2).Top", "1001"}}));
    EXPECT_EQ(run.status, 0) << transcript(run);
}

TEST(FieldDescent, AShuttleContactMidTickLeavesTheLaterGravoksTheirTurn)
{
    // Gravok 3 of five touches the shuttle's bottom edge; one pass clears it.
    const SimRun run = playOneLevel({"1,1000,1000,10,0", "1,2000,1000,10,0", "1,4500,4057,0,-30", "1,6000,1000,10,0",
                                     "1,7000,1000,10,0"},
                                    "random 0.9 0 0.5 0 0.9\ntick tmeGravokiten\n" +
                                        expectLines({{"Schaden", "1"},
                                                     {"imgGravok(1).Left", "1010"},
                                                     {"imgGravok(2).Left", "2010"},
                                                     {"imgGravok(3).Left", "4501"},
                                                     {"imgGravok(3).Top", "4028"},
                                                     {"imgGravok(4).Left", "6010"},
                                                     {"imgGravok(5).Left", "7010"}}));
    EXPECT_EQ(run.status, 0) << transcript(run);
}

TEST(FieldBounce, BothGravoksTakeTheSameSignAndStep)
{
    // Gravok 1 at (1000, 1000) steps left onto the right edge of gravok 2; after the bounce
    // it steps away, and gravok 2's own step keeps it clear of 1, so there is one bounce.
    const struct {
        const char* name;
        const char* draws;
        int dx1, dy1, dx2, dy2;
        int sign, step;
        int dx1After, dy1After, dx2After, dy2After;
    } cases[] = {
        {"same directions, grown by 10", "0.9 0.95", -30, -5, -20, 95, 1, 10, -20, 5, -10, 100},
        {"reversed, 101 clamped to 100", "0.1 0", -100, -100, -20, 30, -1, 1, 100, 100, 21, -29},
        {"a zero sign is drawn again", "0.5 0.4 0.1 0.35", -40, 20, 10, -100, -1, 4, 44, -16, -6, 100},
        {"a step from the file clamped to -100", "0.1 0", -50, 0, 0, 120, -1, 1, 51, 1, 1, -100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const double left2 = 520 + c.dx1;
        const SimRun run = playOneLevel({"1,0,0,0,0", "1,0,0,0,0"},
                                        gravokAt(1, 1000, 1000, c.dx1, c.dy1) + gravokAt(2, left2, 1000, c.dx2, c.dy2) +
                                            "random " + c.draws + "\ntick tmeGravokiten\n" +
                                            expectLines({{"ZufallsVorzeichen", std::to_string(c.sign)},
                                                         {"ZufallsSchritt", std::to_string(c.step)},
                                                         {"LevelDaten(1).Gravok(1).DX", std::to_string(c.dx1After)},
                                                         {"LevelDaten(1).Gravok(1).DY", std::to_string(c.dy1After)},
                                                         {"LevelDaten(1).Gravok(2).DX", std::to_string(c.dx2After)},
                                                         {"LevelDaten(1).Gravok(2).DY", std::to_string(c.dy2After)}}) +
                                            // Each gravok moves by its new step in the same tick.
                                            expectLines(gravokIs(1, 1000 + c.dx1After, 1000 + c.dy1After)) +
                                            expectLines(gravokIs(2, left2 + c.dx2After, 1000 + c.dy2After)));
        EXPECT_EQ(run.status, 0) << transcript(run);
    }
}

TEST(FieldBounce, PushingApartEndsWithTheGravoksApart)
{
    // The hardest cases: rectangles on top of each other or crossing, the largest steps,
    // and draws that keep the steps large or flip them every pass.
    const struct {
        const char* name;
        double offset; // gravok 1's place relative to gravok 2, on both axes
        int dx1, dy1, dx2, dy2;
        const char* draws;
    } cases[] = {
        {"on top of each other, both stepping down-right", 0, 100, 100, 100, 100, "0.9 0.95"},
        {"on top of each other, steps flipping", 0, -100, -100, -100, -100, "0.1 0.95"},
        {"gravok 1 below-right, stepping up-left through 2", 100, -100, -100, 0, 0, "0.9 0"},
        {"crossing steps, flipping", 0, 100, -100, -100, 100, "0.1 0.95"},
        {"gravok 1 above-left, stepping down-right", -100, 100, 100, -100, -100, "0.9 0.95"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const SimRun run = playOneLevel({"1,0,0,0,0", "1,0,0,0,0"},
                                        gravokAt(1, 2000 + c.offset, 1500 + c.offset, c.dx1, c.dy1) +
                                            gravokAt(2, 2000, 1500, c.dx2, c.dy2) + repeated(c.draws, 200) +
                                            "tick tmeGravokiten\nget imgGravok(1).Left\nget imgGravok(1).Top\n"
                                            "get imgGravok(2).Left\nget imgGravok(2).Top\n");
        ASSERT_EQ(run.status, 0) << transcript(run);
        ASSERT_EQ(run.lines.size(), 4U) << transcript(run);
        const double dx = std::stod(run.lines[0]) - std::stod(run.lines[2]);
        const double dy = std::stod(run.lines[1]) - std::stod(run.lines[3]);
        EXPECT_TRUE(std::abs(dx) > 480 || std::abs(dy) > 480) << "still overlapping by " << dx << ", " << dy;
    }
}

TEST(FieldBounce, EveryPassPushesBothGravoksTenTwipsEachWay)
{
    // On one spot, both stepping (100, 100), and draws that keep the steps: gravok 1 still
    // touches after 29 pushes and is clear after the 30th, 300 twips up-left of where it
    // began while gravok 2 lies 300 down-right; then each moves its step.
    const SimRun run = playOneLevel({"1,2000,1500,100,100", "1,2000,1500,100,100"},
                                    repeated("0.9 0.95", 40) + "tick tmeGravokiten\n" +
                                        expectLines(gravokIs(1, 1800, 1300)) + expectLines(gravokIs(2, 2400, 1900)));
    EXPECT_EQ(run.status, 0) << transcript(run);
}

} // namespace
} // namespace gravok::test
