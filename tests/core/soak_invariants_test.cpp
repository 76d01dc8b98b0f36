#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "app/frm_haupt.h"
#include "app/game.h"
#include "core/recording_platform.h"
#include "players/invariants.h"
#include "sim_support.h"

namespace gravok {
namespace {

// A started game of the one-level test episode, as a player finds it between two ticks.
struct StartedGame {
    StartedGame() : platform(dir.path())
    {
        platform.modalLoop = [](Form& dialog) { dialog.click(dialog.at("lblOK")); };
        game.Main();
        game.clock.advance(500);
    }
    std::string verdict()
    {
        const char* broken = checker.check(game);
        return broken ? broken : "";
    }

    test::ProgramDir dir;
    RecordingPlatform platform;
    Game game{platform};
    InvariantChecker checker;
};

void setDamage(Game& g, int schaden, int lit)
{
    g.Start.Schaden = schaden;
    for (int i = 0; i <= 17; ++i)
        g.frmHaupt().spe(i)->Visible = i < lit;
}

struct Plant {
    const char* name;
    std::function<void(Game&)> change;
    const char* named; // a word the complaint must hold; nullptr: the state is legal
};

void expectVerdicts(const std::vector<Plant>& plants)
{
    for (const auto& p : plants) {
        StartedGame g;
        p.change(g.game);
        const std::string verdict = g.verdict();
        if (p.named)
            EXPECT_NE(verdict.find(p.named), std::string::npos) << p.name << ": got \"" << verdict << "\"";
        else
            EXPECT_EQ(verdict, "") << p.name;
    }
}

FrmHaupt& H(Game& g) { return g.frmHaupt(); }

TEST(Invariants, AGameInPlayBreaksNothing)
{
    StartedGame g;
    EXPECT_EQ(g.verdict(), "");
    H(g.game).keyDown(key::P, 0);
    EXPECT_EQ(g.verdict(), "") << "paused";
    H(g.game).keyDown(key::P, 0);
    H(g.game).keyDown(key::Space, 0);
    g.game.clock.advance(100);
    EXPECT_EQ(g.verdict(), "") << "a shot in flight";
}

TEST(Invariants, TagsHoldOnlyTheirMarkers)
{
    expectVerdicts({
        {"gravok tag 7", [](Game& g) { H(g).imgGravok(3)->Tag = "7"; }, "imgGravok(3).Tag is \"7\""},
        {"gravok tag 2", [](Game& g) { H(g).imgGravok(10)->Tag = "2"; }, "imgGravok(10)"},
        {"shot tag 2 is flight", [](Game& g) { H(g).imgSchuss(9)->Tag = "2"; }, nullptr},
        {"shot tag 3", [](Game& g) { H(g).imgSchuss(9)->Tag = "3"; }, "imgSchuss(9).Tag"},
        {"shot tag 0 with a blank", [](Game& g) { H(g).imgSchuss(0)->Tag = " 0"; }, "imgSchuss(0)"},
        {"timer tag empty", [](Game& g) { H(g).tmeAniSchuss->Tag = ""; }, "tmeAniSchuss.Tag"},
        {"window tag 2", [](Game& g) { H(g).Tag = "2"; }, "frmHaupt.Tag"},
        {"window tag 1 after an end", [](Game& g) { H(g).Tag = "1"; }, nullptr},
    });
}

TEST(Invariants, NumbersStayInTheirRanges)
{
    expectVerdicts({
        {"Schaden 20", [](Game& g) { setDamage(g, 20, 18); }, "Schaden is 20"},
        {"Schaden -1", [](Game& g) { setDamage(g, -1, 0); }, "Schaden is -1"},
        {"Tempo 101", [](Game& g) { g.Start.Tempo = 101; }, "Tempo is 101"},
        {"Tempo -101", [](Game& g) { g.Start.Tempo = -101; }, "Tempo is -101"},
        {"Tempo -100", [](Game& g) { g.Start.Tempo = -100; }, nullptr},
        {"Richtung 0", [](Game& g) { g.Start.Richtung = 0; }, "Richtung is 0"},
        {"Richtung 17", [](Game& g) { g.Start.Richtung = 17; }, "Richtung is 17"},
        {"DX 101", [](Game& g) { g.Start.LevelDaten(1).Gravok(1).DX = 101; }, "Gravok(1)"},
        {"DY -101", [](Game& g) { g.Start.LevelDaten(1).Gravok(1).DY = -101; }, "DY -101"},
        {"an unused slot", [](Game& g) { g.Start.LevelDaten(1).Gravok(10).DX = 300; }, "Gravok(10)"},
        {"Level 0", [](Game& g) { g.Start.Level = 0; }, "Level is 0"},
        {"past the end", [](Game& g) { g.Start.Level = 2; }, nullptr},
        {"beyond that", [](Game& g) { g.Start.Level = 3; }, "Level is 3"},
    });
}

TEST(Invariants, TheDamageBarShowsTheDamage)
{
    expectVerdicts({
        {"three lit at 3", [](Game& g) { setDamage(g, 3, 3); }, nullptr},
        {"two lit at 3", [](Game& g) { setDamage(g, 3, 2); }, "spe(2).Visible is False at Schaden 3"},
        {"four lit at 3", [](Game& g) { setDamage(g, 3, 4); }, "spe(3).Visible is True"},
        {"one stray segment", [](Game& g) { H(g).spe(5)->Visible = true; }, "spe(5)"},
        {"all lit at 18", [](Game& g) { setDamage(g, 18, 18); }, nullptr},
        {"all lit at game over", [](Game& g) { setDamage(g, 19, 18); }, nullptr},
        {"one short at game over", [](Game& g) { setDamage(g, 19, 17); }, "spe(17)"},
    });
}

TEST(Invariants, AGravokInPlayShowsItsOwnPicture)
{
    // The test episode's one gravok is of picture 103.
    expectVerdicts({
        {"no picture", [](Game& g) { H(g).imgGravok(1)->setPicture(0); }, "imgGravok(1) is in play showing picture 0"},
        {"another kind", [](Game& g) { H(g).imgGravok(1)->setPicture(101); }, "not its 103"},
        {"an explosion in play", [](Game& g) { H(g).imgGravok(1)->setPicture(152); }, "imgGravok(1)"},
        {"exploding, out of play",
         [](Game& g) {
             H(g).imgGravok(1)->setPicture(152);
             H(g).imgGravok(1)->Tag = "0";
         },
         nullptr},
        {"a slot the level leaves unused", [](Game& g) { H(g).imgGravok(2)->Tag = "1"; }, nullptr},
    });
}

TEST(Invariants, TheScoreIsAPlainNumberWithinFiveDigits)
{
    const auto score = [](const char* text) { return [text](Game& g) { H(g).lblP->Caption = text; }; };
    expectVerdicts({
        {"99999", score("99999"), nullptr},      {"-99999", score("-99999"), nullptr},
        {"-10", score("-10"), nullptr},          {"100000", score("100000"), "lblP.Caption is \"100000\""},
        {"-100000", score("-100000"), "lblP"},   {"leading zero", score("007"), "lblP"},
        {"minus zero", score("-0"), "lblP"},     {"empty", score(""), "lblP"},
        {"fraction", score("1.5"), "lblP"},      {"blank", score(" 5"), "lblP"},
    });
}

TEST(Invariants, APauseStopsEveryTimerAndPlayRunsTheThreeOfPlay)
{
    expectVerdicts({
        {"paused with a running timer",
         [](Game& g) {
             H(g).keyDown(key::P, 0);
             H(g).tmeBewegung->setEnabled(true);
         },
         "Pausiert is 1 but tmeBewegung is enabled"},
        {"paused with an animation running",
         [](Game& g) {
             H(g).keyDown(key::P, 0);
             H(g).tmeAniSchuss->setEnabled(true);
         },
         "tmeAniSchuss"},
        {"running without shots", [](Game& g) { H(g).tmeSchuss->setEnabled(false); }, "Pausiert is 0 but tmeSchuss"},
        {"running without animations", [](Game& g) { H(g).tmeAniGravok->setEnabled(false); }, nullptr},
        {"neither state", [](Game& g) { H(g).Pausiert = 2; }, "Pausiert is 2"},
    });
}

TEST(Invariants, BeforeTheFirstGameOnlyTheDesignedStateCounts)
{
    test::ProgramDir dir;
    RecordingPlatform platform(dir.path());
    Game game(platform);
    InvariantChecker checker;
    // Heading 0, an empty score and the designed, visible bar are the window before a game.
    EXPECT_EQ(checker.check(game), nullptr);
    game.frmHaupt().Tag = "x";
    ASSERT_NE(checker.check(game), nullptr);
    EXPECT_STREQ(checker.check(game), "frmHaupt.Tag is \"x\", not 0 or 1");
}

} // namespace
} // namespace gravok
