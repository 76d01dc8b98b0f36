// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <array>
#include <functional>

#include "app/frm_haupt.h"
#include "app/game.h"
#include "core/recording_platform.h"
#include "sim_support.h"

namespace gravok {
namespace {

// A game run in-process over a recording desktop; the start-up dialog is answered with OK,
// so a game of the one-level test episode runs.
class StartedGame : public testing::Test {
protected:
    StartedGame() : platform(dir.path()) { platform.modalLoop = clickOK; }

    static void clickOK(Form& dialog) { dialog.click(dialog.at("lblOK")); }

    FrmHaupt& haupt() { return game.frmHaupt(); }
    // In the order the pause saves them.
    std::array<Control*, 5> timers()
    {
        return {haupt().tmeBewegung, haupt().tmeSchuss, haupt().tmeGravokiten, haupt().tmeAniGravok,
                haupt().tmeAniSchuss};
    }
    std::array<bool, 5> enabled()
    {
        std::array<bool, 5> on{};
        for (std::size_t i = 0; i < on.size(); ++i)
            on[i] = timers()[i]->Enabled();
        return on;
    }
    std::array<std::string, 5> tags()
    {
        std::array<std::string, 5> t;
        for (std::size_t i = 0; i < t.size(); ++i)
            t[i] = timers()[i]->Tag;
        return t;
    }

    test::ProgramDir dir;
    RecordingPlatform platform;
    Game game{platform};
};

using Tags = std::array<std::string, 5>;
using Flags = std::array<bool, 5>;

TEST_F(StartedGame, NoTickRunsWhileTheStartUpDialogIsUp)
{
    bool held = false;
    int ticks = -1;
    platform.modalLoop = [&](Form& dialog) {
        held = game.clock.held();
        ticks = game.clock.advance(1000);
        clickOK(dialog);
    };
    game.Main();
    EXPECT_TRUE(held);
    EXPECT_EQ(ticks, 0);
    EXPECT_FALSE(game.clock.held());
    // Afterwards the three game timers tick, each a full interval after the resume.
    EXPECT_EQ(game.clock.advance(49), 0);
    EXPECT_EQ(game.clock.advance(1), 3);
}

TEST_F(StartedGame, PauseSavesAndResumeRestoresTheTimers)
{
    game.Main();
    haupt().PauseUmschalten();
    EXPECT_EQ(haupt().Pausiert, 1);
    EXPECT_EQ(haupt().lblAnzeige->Caption, "Pause!");
    EXPECT_EQ(enabled(), (Flags{false, false, false, false, false}));
    EXPECT_EQ(tags(), (Tags{"1", "1", "1", "0", "0"}));

    haupt().PauseUmschalten();
    EXPECT_EQ(haupt().Pausiert, 0);
    EXPECT_EQ(haupt().lblAnzeige->Caption, "");
    EXPECT_EQ(enabled(), (Flags{true, true, true, false, false}));
    EXPECT_EQ(tags(), (Tags{"1", "1", "1", "0", "0"})); // not cleared by the resume
}

TEST_F(StartedGame, EachTimerComesBackAsItWas)
{
    game.Main();
    haupt().tmeSchuss->setEnabled(false);
    haupt().tmeAniGravok->setEnabled(true);
    haupt().PauseUmschalten();
    EXPECT_EQ(tags(), (Tags{"1", "0", "1", "1", "0"}));
    haupt().PauseUmschalten();
    EXPECT_EQ(enabled(), (Flags{true, false, true, true, false}));
}

TEST_F(StartedGame, ResumeClearsAnEndMessage)
{
    game.Main();
    for (const char* text : {"Game over!", "Geschafft!"}) {
        SCOPED_TRACE(text);
        haupt().PauseUmschalten();
        haupt().lblAnzeige->Caption = text;
        haupt().PauseUmschalten();
        EXPECT_EQ(haupt().lblAnzeige->Caption, "");
    }
}

TEST_F(StartedGame, APausedGameDoesNotTickAndResumesWithAFullInterval)
{
    game.Main();
    game.clock.advance(30);
    haupt().PauseUmschalten();
    EXPECT_EQ(game.clock.advance(1000), 0);
    EXPECT_EQ(game.clock.untilNextTick(), -1);
    haupt().PauseUmschalten();
    EXPECT_EQ(game.clock.untilNextTick(), 50);
}

// Looking away pauses a running game as P would, and never resumes one.
TEST_F(StartedGame, LookingAwayPausesOnlyARunningGame)
{
    struct Case {
        const char* name;
        std::function<void(Game&)> before;
        bool paused;
    };
    const Case cases[] = {
        {"running", [](Game&) {}, true},
        {"already paused", [](Game& g) { g.frmHaupt().PauseUmschalten(); }, true},
        {"shuttle destroyed", [](Game& g) { g.Start.Schaden = 19; }, false},
        {"window tagged as ended", [](Game& g) { g.frmHaupt().Tag = "1"; }, false},
        {"no level in play", [](Game& g) { g.Start.Level = 0; }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Game g{platform};
        g.Main();
        c.before(g);
        g.frmHaupt().pauseWhileAway();
        EXPECT_EQ(int(g.frmHaupt().Pausiert), c.paused ? 1 : 0);
        EXPECT_EQ(g.frmHaupt().lblAnzeige->Caption, c.paused ? "Pause!" : "");
        // Only P brings the game back.
        g.frmHaupt().pauseWhileAway();
        EXPECT_EQ(int(g.frmHaupt().Pausiert), c.paused ? 1 : 0);
    }
}

} // namespace
} // namespace gravok
