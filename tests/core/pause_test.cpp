// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The clock under the pause; what the pause shows and keeps is in scenarios/pause.sim.
#include <gtest/gtest.h>

#include <functional>

#include "app/frm_haupt.h"
#include "sim_support.h"

namespace gravok {
namespace {

class StartedGame : public testing::Test, protected test::InProcessGame {};

TEST_F(StartedGame, NoTickRunsWhileTheStartUpDialogIsUpAndAPausedGameSleeps)
{
    bool held = false;
    int ticks = -1;
    platform.modalLoop = [&](Form& dialog) {
        held = game.clock.held();
        ticks = game.clock.advance(1000);
        dialog.click(dialog.at("lblOK"));
    };
    game.Main();
    EXPECT_TRUE(held);
    EXPECT_EQ(ticks, 0);
    EXPECT_FALSE(game.clock.held());
    // Afterwards the three game timers tick, each a full interval after the resume.
    EXPECT_EQ(game.clock.advance(49), 0);
    EXPECT_EQ(game.clock.advance(1), 3);

    // Paused, nothing is due at all; the resume starts a full interval again.
    game.clock.advance(30);
    game.frmHaupt().PauseUmschalten();
    EXPECT_EQ(game.clock.advance(1000), 0);
    EXPECT_EQ(game.clock.untilNextTick(), -1);
    game.frmHaupt().PauseUmschalten();
    EXPECT_EQ(game.clock.untilNextTick(), 50);
}

// Looking away pauses a running game as P would, and never resumes one.
TEST_F(StartedGame, LookingAwayPausesOnlyARunningGame)
{
    const struct {
        const char* name;
        std::function<void(Game&)> before;
        bool paused;
    } cases[] = {
        {"running", [](Game&) {}, true},
        {"already paused", [](Game& g) { g.frmHaupt().PauseUmschalten(); }, true},
        {"shuttle destroyed", [](Game& g) { g.Start.Schaden = 19; }, false},
        {"window tagged as ended", [](Game& g) { g.frmHaupt().Tag = "1"; }, false},
        {"no level in play", [](Game& g) { g.Start.Level = 0; }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Game g{platform};
        g.Main();
        c.before(g);
        for (int twice = 0; twice < 2; ++twice) { // only P brings the game back
            g.frmHaupt().pauseWhileAway();
            EXPECT_EQ(int(g.frmHaupt().Pausiert), c.paused ? 1 : 0);
            EXPECT_EQ(g.frmHaupt().lblAnzeige->Caption, c.paused ? "Pause!" : "");
        }
    }
}

} // namespace
} // namespace gravok
