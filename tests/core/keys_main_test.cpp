#include <gtest/gtest.h>

#include <array>

#include "app/frm_haupt.h"
#include "app/game.h"
#include "core/recording_platform.h"
#include "play_support.h"

namespace gravok::test {
namespace {

// One gravok far from the shuttle, so that nothing touches during these runs.
const Files OneGravok = {{"Episode1.gvk", episode({"1", "2,600,600,0,0", ""})}};

// A started game; the keys below act on the main window.
const std::string Started = "click lblOK\n";

SimRun play(const std::string& script)
{
    return runSimWith(OneGravok, Started + script);
}

struct Turn {
    int richtung, tempo;
    const char* key;
    int after;
    int shuttleBild;
};

// Names the case in test output.
void PrintTo(const Turn& c, std::ostream* os)
{
    *os << c.key << " from " << c.richtung << ", speed " << c.tempo;
}

class Turning : public testing::TestWithParam<Turn> {};

// Sixteen headings round; the picture flag is set to what does not match the speed, so
// the next movement tick redraws. Turning moves nothing by itself.
TEST_P(Turning, WrapsAndAsksForANewPicture)
{
    const Turn& t = GetParam();
    const SimRun run = play("set Richtung " + std::to_string(t.richtung) + "\nset Tempo " + std::to_string(t.tempo) +
                            "\nset ShuttleBild 2\nkey " + t.key + "\n" +
                            expectLines({{"Richtung", std::to_string(t.after)},
                                         {"ShuttleBild", std::to_string(t.shuttleBild)},
                                         {"Tempo", std::to_string(t.tempo)},
                                         {"imgShuttle.Left", "4372"},
                                         {"imgShuttle.Top", "3172"}}));
    EXPECT_EQ(run.status, 0) << t.key << " from " << t.richtung << "\n" << transcript(run);
}

INSTANTIATE_TEST_SUITE_P(All, Turning,
                         testing::Values(Turn{1, 0, "Left", 16, 1}, Turn{16, 0, "Right", 1, 1},
                                         Turn{2, 0, "Left", 1, 1}, Turn{15, 0, "Right", 16, 1},
                                         Turn{1, 5, "Left", 16, 0}, Turn{16, -3, "Right", 1, 0},
                                         Turn{8, 100, "37", 7, 0}, Turn{8, -100, "39", 9, 0}));

struct Speed {
    int tempo;
    const char* key;
    int after;
    const char* caption;
};

void PrintTo(const Speed& c, std::ostream* os)
{
    *os << c.key << " from " << c.tempo;
}

class Speeding : public testing::TestWithParam<Speed> {};

// Clamped to -100..100; the caption is rewritten even when the value stays.
TEST_P(Speeding, ClampsAndShowsTheSpeed)
{
    const Speed& s = GetParam();
    const SimRun run = play("set Tempo " + std::to_string(s.tempo) + "\nset lblTempo.Caption x\nkey " + s.key + "\n" +
                            expectLines({{"Tempo", std::to_string(s.after)},
                                         {"lblTempo.Caption", s.caption},
                                         {"imgShuttle.Left", "4372"},
                                         {"imgShuttle.Top", "3172"}}));
    EXPECT_EQ(run.status, 0) << s.key << " from " << s.tempo << "\n" << transcript(run);
}

INSTANTIATE_TEST_SUITE_P(All, Speeding,
                         testing::Values(Speed{0, "Up", 1, "1"}, Speed{99, "Up", 100, "100"},
                                         Speed{100, "Up", 100, "100"}, Speed{-1, "Up", 0, "0"},
                                         Speed{1, "Down", 0, "0"}, Speed{-4, "Down", -5, "-5"},
                                         Speed{-100, "Down", -100, "-100"}, Speed{-100, "38", -99, "-99"}));

struct Fire {
    const char* name;
    std::array<const char*, 10> before;
    std::array<const char*, 10> after;
};

void PrintTo(const Fire& c, std::ostream* os)
{
    *os << c.name;
}

class Firing : public testing::TestWithParam<Fire> {};

// Space marks the lowest free shot slot; a slot is free when its Tag reads as 0.
TEST_P(Firing, TakesTheLowestFreeSlot)
{
    const Fire& f = GetParam();
    std::string script;
    std::vector<Expectation> t;
    for (std::size_t i = 0; i < 10; ++i) {
        const std::string tag = "imgSchuss(" + std::to_string(i) + ").Tag";
        script += "set " + tag + " " + f.before[i] + "\n";
        t.push_back({tag, f.after[i]});
    }
    const SimRun run = play(script + "key Space\n" + expectLines(t));
    EXPECT_EQ(run.status, 0) << f.name << "\n" << transcript(run);
}

INSTANTIATE_TEST_SUITE_P(
    All, Firing,
    testing::Values(Fire{"all_free", {"0", "0", "0", "0", "0", "0", "0", "0", "0", "0"},
                         {"1", "0", "0", "0", "0", "0", "0", "0", "0", "0"}},
                    Fire{"first_flying", {"2", "0", "0", "0", "0", "0", "0", "0", "0", "0"},
                         {"2", "1", "0", "0", "0", "0", "0", "0", "0", "0"}},
                    Fire{"gap_in_the_middle", {"1", "2", "1", "0", "1", "0", "0", "0", "0", "0"},
                         {"1", "2", "1", "1", "1", "0", "0", "0", "0", "0"}},
                    Fire{"only_the_last_free", {"1", "1", "1", "1", "1", "1", "1", "1", "1", "0"},
                         {"1", "1", "1", "1", "1", "1", "1", "1", "1", "1"}},
                    Fire{"all_busy", {"1", "2", "1", "2", "1", "2", "1", "2", "1", "2"},
                         {"1", "2", "1", "2", "1", "2", "1", "2", "1", "2"}}),
    [](const auto& info) { return std::string(info.param.name); });

// Reaches a real game over: the gravok lies on the shuttle and the nineteenth hit lands.
const char* const RealGameOver = "set Schaden 18\nset imgGravok(1).Left 4400\nset imgGravok(1).Top 3200\n"
                                 "tick tmeGravokiten\ninput Tester\nclick lblOK\n";
// Completes the one-level episode: the last gravok's explosion ends.
const char* const EpisodeCompleted = "set imgGravok(1).Tag 0\nset ExplosionsPhase(1) 3\ntick tmeAniGravok\n"
                                     "input Tester\nclick lblOK\n";

struct Paused {
    const char* name;
    const char* how;
};

void PrintTo(const Paused& c, std::ostream* os)
{
    *os << c.name;
}

class WhilePaused : public testing::TestWithParam<Paused> {};

// The four arrows and Space are dead while the game stands, game over included.
TEST_P(WhilePaused, ArrowsAndSpaceChangeNothing)
{
    const SimRun run = play(std::string(GetParam().how) +
                            "expect Pausiert 1\ndump\nkey Left\nkey Right\nkey Right\nkey Up\nkey Down\nkey Down\n"
                            "key Space\nkey 37\nkey 32\ndump\n");
    ASSERT_EQ(run.status, 0) << transcript(run);
    ASSERT_EQ(run.lines.size(), 2u) << transcript(run);
    EXPECT_EQ(run.lines[1], run.lines[0]) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    All, WhilePaused,
    testing::Values(Paused{"by_p", "key P\n"},
                    Paused{"game_over_shown", "key P\nset frmHaupt.Tag 1\nset lblAnzeige.Caption Game over!\n"},
                    Paused{"real_game_over", RealGameOver},
                    Paused{"episode_completed", EpisodeCompleted},
                    Paused{"by_the_help_label", "click lblHilfe\n"}),
    [](const auto& info) { return std::string(info.param.name); });

class OtherKeys : public testing::TestWithParam<int> {};

// Keys the main window does not know leave the game alone, running or paused.
TEST_P(OtherKeys, AreIgnored)
{
    const std::string key = "key " + std::to_string(GetParam()) + "\n";
    // The first log takes away what the start-up asked for.
    SimRun run = play("log\nkey Right\nkey Up\ndump\n" + key + "log\ndump\nkey P\ndump\n" + key + "log\ndump\n");
    ASSERT_EQ(run.status, 0) << transcript(run);
    std::erase_if(run.lines, [](const std::string& l) { return l.starts_with("cursor "); });
    ASSERT_EQ(run.lines.size(), 4u) << "key " << GetParam() << " asked the desktop for something\n" << transcript(run);
    EXPECT_EQ(run.lines[1], run.lines[0]) << "running, key " << GetParam();
    EXPECT_EQ(run.lines[3], run.lines[2]) << "paused, key " << GetParam();
}

// Code 0, Enter, Escape, Shift, Ctrl, Alt, A, F3, F5, Q, keypad 8, code 255.
INSTANTIATE_TEST_SUITE_P(All, OtherKeys, testing::Values(0, 13, 27, 16, 17, 18, 65, 114, 116, 81, 104, 255));

struct PKey {
    const char* name;
    const char* before;
    int pausiertAfter;
};

void PrintTo(const PKey& c, std::ostream* os)
{
    *os << c.name;
}

class PauseKey : public testing::TestWithParam<PKey> {};

// P toggles only while a game is on (the main window's Tag reads 0).
TEST_P(PauseKey, TogglesOnlyDuringAGame)
{
    const PKey& p = GetParam();
    const SimRun run = play(std::string(p.before) + "key P\n" +
                            expectLines({{"Pausiert", std::to_string(p.pausiertAfter)},
                                         {"tmeBewegung.Enabled", p.pausiertAfter == 0 ? "True" : "False"}}));
    EXPECT_EQ(run.status, 0) << p.name << "\n" << transcript(run);
}

INSTANTIATE_TEST_SUITE_P(
    All, PauseKey,
    testing::Values(PKey{"pauses", "", 1}, PKey{"resumes", "key P\n", 0},
                    PKey{"ended_and_paused", "key P\nset frmHaupt.Tag 1\n", 1},
                    PKey{"no_game_but_running", "set frmHaupt.Tag 1\n", 0},
                    PKey{"after_real_game_over", RealGameOver, 1},
                    PKey{"after_episode_completed", EpisodeCompleted, 1},
                    PKey{"after_help_label", "click lblHilfe\n", 0}),
    [](const auto& info) { return std::string(info.param.name); });

// The window is handed the shift state too; Shift, Ctrl or Alt held make no difference.
TEST(MainWindowKeys, ShiftStateIsIgnored)
{
    ProgramDir dir;
    RecordingPlatform platform(dir.path());
    Game game(platform);
    platform.modalLoop = [](Form& form) { form.click(form.at("lblOK")); };
    game.Main();
    FrmHaupt& h = game.frmHaupt();
    for (int shift : {1, 2, 4, 7}) {
        SCOPED_TRACE(shift);
        game.Start.Richtung = 1;
        game.Start.Tempo = 0;
        h.keyDown(key::Left, shift);
        h.keyDown(key::Up, shift);
        EXPECT_EQ(game.Start.Richtung, 16);
        EXPECT_EQ(game.Start.Tempo, 1);
        h.keyDown(key::P, shift);
        EXPECT_EQ(h.Pausiert, 1);
        h.keyDown(key::P, shift);
        EXPECT_EQ(h.Pausiert, 0);
    }
}

} // namespace
} // namespace gravok::test
