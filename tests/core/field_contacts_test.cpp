// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "app/frm_haupt.h"
#include "sim_support.h"

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

// A started game of the one-level test episode.
class FieldContacts : public testing::Test, protected test::InProcessGame {
protected:
    FieldContacts() { game.Main(); }
    FrmHaupt& haupt() { return game.frmHaupt(); }
    GravokSatz& slot(int k) { return game.Start.LevelDaten(game.Start.Level).Gravok(k); }
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

// Pushing apart ends with gravok and shuttle apart, whatever the draws: the harness
// cannot say "apart", so the places are read back.
TEST(FieldCollision, PushingApartEndsWithGravokAndShuttleApart)
{
    const struct {
        const char* name;
        const char* gravok;
        const char* draws;
    } cases[] = {
        {"on the shuttle's corner, stepping down-right", "1,4372,3172,100,100", "0.9 0.95 0 0 0.9"},
        {"in the shuttle's middle, steps flipping", "1,4560,3360,100,100", "0.1 0.95 0.5 0.99 0.1"},
        {"below-right, stepping up-left", "1,4747,3547,-100,-100", "0.9 0 0.5 0.5 0.1"},
        {"crossing steps, the speed kept at its top", "1,4372,3547,100,-100", "0.1 0.95 0.99 0.99 0.9"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string draws = "random";
        for (int i = 0; i < 100; ++i)
            draws += std::string(" ") + c.draws;
        const test::SimRun run = test::playEpisode(std::string("1 ") + c.gravok + " /",
                                                   draws + "\ntick tmeGravokiten\nget imgGravok(1).Left\n"
                                                           "get imgGravok(1).Top\nget imgShuttle.Left\n"
                                                           "get imgShuttle.Top\nexpect Schaden 1\n");
        ASSERT_EQ(run.status, 0) << test::transcript(run);
        ASSERT_EQ(run.lines.size(), 4U) << test::transcript(run);
        const double gl = std::stod(run.lines[0]), gt = std::stod(run.lines[1]);
        const double sl = std::stod(run.lines[2]), st = std::stod(run.lines[3]);
        EXPECT_TRUE(gl + 480 < sl || gl > sl + 855 || gt + 480 < st || gt > st + 855)
            << "gravok at " << gl << "," << gt << " still on the shuttle at " << sl << "," << st;
    }
}

} // namespace
} // namespace gravok
