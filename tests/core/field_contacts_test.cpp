// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Contacts on the field; what a hit does next, pushing gravok and shuttle apart, shows in
// every collision of the golden replays.
#include "sim_support.h"

namespace gravok {
namespace {

struct Rect {
    float left, top, width, height;
};

void place(Control& c, const Rect& r)
{
    std::tie(c.Left, c.Top, c.Width, c.Height) = std::tie(r.left, r.top, r.width, r.height);
}

constexpr Rect Shuttle{4372, 3172, 855, 855}, Square{1000, 1000, 480, 480};

// The three contact tests share one rule, so every row is put to each of them: the mover as
// gravok 1 or as the shuttle, the target as gravok 2 or as the shuttle. Only the mover's next
// corners count, each inside the target.
TEST(FieldContacts, EveryContactTestTakesTheMoversNextCornersOnly)
{
    test::InProcessGame g;
    g.game.Main();
    FrmHaupt& h = g.game.frmHaupt();
    GravokSatz& mover = g.game.Start.LevelDaten(g.game.Start.Level).Gravok(1);
    const std::tuple<const char*, Rect, int, int, Rect, bool> cases[] = {
        {"next bottom edge on the top edge", Square, 0, 20, {1200, 1500, 480, 480}, true},
        {"next bottom edge a twip above it", Square, 0, 19, {1200, 1500, 480, 480}, false},
        {"next right edge on the left edge", Square, 20, 0, {1500, 1100, 480, 480}, true},
        {"next right edge a twip short", Square, 19, 0, {1500, 1100, 480, 480}, false},
        {"overlapping while standing", Square, 0, 0, {1100, 1100, 480, 480}, true},
        {"only bottom-right inside", Square, 0, 0, {1400, 1400, 480, 480}, true},
        {"only bottom-left inside", Square, 0, 0, {600, 1400, 480, 480}, true},
        {"only top-left inside", Square, 0, 0, {600, 600, 480, 480}, true},
        {"only top-right inside", Square, 0, 0, {1400, 600, 480, 480}, true},
        {"plus sign, wide mover", {1000, 1200, 600, 100}, 0, 0, {1250, 1000, 100, 600}, false},
        {"plus sign, tall mover", {1250, 1000, 100, 600}, 0, 0, {1000, 1200, 600, 100}, false},
        {"a step that jumps over the target", Square, 0, 1100, {1000, 1500, 480, 480}, false},
        {"target wholly inside the mover", Shuttle, 0, 0, {4500, 3300, 480, 480}, false},
        {"mover wholly inside the target", {4500, 3300, 480, 480}, 0, 0, Shuttle, true},
        {"shuttle stepping up beside a gravok", Shuttle, 0, -20, {4600, 2700, 480, 480}, false},
        {"gravok reaching into the shuttle", {4600, 2700, 480, 480}, 0, 0, Shuttle, true},
        {"negative step onto the target", Square, -100, -100, {420, 420, 480, 480}, true}};
    for (const auto& [name, moverAt, dx, dy, target, contact] : cases) {
        place(*h.imgGravok(1), moverAt);
        mover.DX = dx;
        mover.DY = dy;
        place(*h.imgGravok(2), target);
        EXPECT_EQ(h.KollisionGravokGravok(1, 2), contact) << name << ": gravok against gravok";
        place(*h.imgShuttle, target);
        EXPECT_EQ(h.KollisionGravokShuttle(1), contact) << name << ": gravok against shuttle";
        place(*h.imgShuttle, moverAt);
        EXPECT_EQ(h.KollisionShuttleGravok(2, dx, dy), contact) << name << ": shuttle against gravok";
    }
    // Gravoks out of play still touch; the target's own step, which would carry it onto the
    // mover, does not count.
    place(*h.imgGravok(1), Square);
    mover.DX = 20;
    mover.DY = 0;
    place(*h.imgGravok(2), {1500, 1000, 480, 480});
    h.imgGravok(2)->Tag = "0";
    h.imgGravok(2)->Visible = false;
    EXPECT_TRUE(h.KollisionGravokGravok(1, 2));
    mover.DX = 0;
    g.game.Start.LevelDaten(g.game.Start.Level).Gravok(2).DX = -100;
    EXPECT_FALSE(h.KollisionGravokGravok(1, 2));
}

// What a view draws between ticks: the shuttle wraps at its fastest step, a gravok at the
// level's largest drift (its last gravok's included), a shot flies its step without
// wrapping and only once launched.
TEST(FieldContacts, TheMovingPicturesStepAsTheRulesMoveThem)
{
    test::InProcessGame g;
    g.game.Main();
    FrmHaupt& h = g.game.frmHaupt();
    LevelSatz& level = g.game.Start.LevelDaten(g.game.Start.Level);
    level.Gravok(level.Anzahl).DX = -777;
    h.imgSchuss(3)->Tag = "2";
    std::vector<FrmHaupt::Moving> moving;
    h.movingPictures(moving);
    ASSERT_EQ(moving.size(), 22U);
    EXPECT_EQ(std::tuple(moving[0].control, moving[0].largestStep, moving[0].wraps),
              std::tuple(h.imgShuttle, 200.0f, true));
    EXPECT_EQ(std::tuple(moving[1].largestStep, moving[1].wraps), std::tuple(777.0f, true));
    EXPECT_EQ(std::tuple(moving[14].largestStep, moving[14].wraps, moving[14].onItsOwn),
              std::tuple(300.0f, false, true));
    EXPECT_FALSE(moving[13].onItsOwn);
    EXPECT_EQ(h.movementTickMs(), 50);
}

} // namespace
} // namespace gravok
