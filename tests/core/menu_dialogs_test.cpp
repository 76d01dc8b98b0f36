#include <gtest/gtest.h>

#include <filesystem>

#include "app/frm_haupt.h"
#include "app/game.h"
#include "core/recording_platform.h"
#include "play_support.h"

namespace gravok::test {
namespace {

const Files TwoEpisodes = {{"Episode1.gvk", episode({"1", "2,600,600,0,0", ""})},
                           {"Episode2.gvk", episode({"1", "4,900,900,0,0", "4,2000,900,0,0", ""})}};

SimRun play(const std::string& script)
{
    return runSimWith(TwoEpisodes, "click lblOK\n" + script);
}

struct Colours {
    const char* label;
    const char* down; // colour while the button is held
    const char* up;   // after release
};

// Names the case in test output.
void PrintTo(const Colours& c, std::ostream* os)
{
    *os << c.label;
}

class MenuColours : public testing::TestWithParam<Colours> {};

// Menu labels turn light blue while held and white on release; other labels keep their
// colour. Neither half of a click runs the label's action.
TEST_P(MenuColours, FollowTheMouseButton)
{
    const Colours& c = GetParam();
    const std::string colour = std::string("get ") + c.label + ".ForeColor\n";
    const SimRun run = play(std::string("down ") + c.label + "\n" + colour + "up " + c.label + "\n" + colour +
                            "windows\nexpect Pausiert 0\n");
    EXPECT_EQ(run.status, 0) << transcript(run);
    EXPECT_EQ(run.lines, (std::vector<std::string>{c.down, c.up, "frmHaupt"})) << c.label << "\n" << transcript(run);
}

INSTANTIATE_TEST_SUITE_P(All, MenuColours,
                         testing::Values(Colours{"lblEnde", "#0000FF", "#FFFFFF"},
                                         Colours{"lblHighscore", "#0000FF", "#FFFFFF"},
                                         Colours{"lblHilfe", "#0000FF", "#FFFFFF"},
                                         Colours{"lblInfo", "#0000FF", "#FFFFFF"},
                                         Colours{"lblNeu", "#FFFFFF", "#FFFFFF"},
                                         Colours{"lblP", "#FFFFFF", "#FFFFFF"}),
                         [](const auto& info) { return std::string(info.param.label); });

class EndLabel : public testing::TestWithParam<const char*> {};

// "Ende" ends the program on the spot, running or paused: nothing after it is read.
TEST_P(EndLabel, EndsAtOnce)
{
    const SimRun run = play(std::string(GetParam()) + "click lblEnde\nget Pausiert\nexpect Pausiert 7\nwindows\n");
    EXPECT_EQ(run.status, 0) << transcript(run);
    EXPECT_TRUE(run.lines.empty()) << transcript(run);
}

INSTANTIATE_TEST_SUITE_P(All, EndLabel, testing::Values("", "key P\n", "key P\nset frmHaupt.Tag 1\n"));

// No question, nothing written: the desktop is only told to end.
TEST(MenuLabels, EndAsksNothingAndSavesNothing)
{
    ProgramDir dir;
    RecordingPlatform platform(dir.path());
    Game game(platform);
    platform.modalLoop = [](Form& form) { form.click(form.at("lblOK")); };
    game.Main();
    platform.takeLog();
    const auto before = std::distance(std::filesystem::directory_iterator(dir.path()), {});
    FrmHaupt& h = game.frmHaupt();
    h.mouseDown(*h.lblEnde);
    h.mouseUp(*h.lblEnde);
    EXPECT_FALSE(platform.ended);
    h.click(*h.lblEnde);
    EXPECT_TRUE(platform.ended);
    EXPECT_EQ(platform.takeLog(), (std::vector<std::string>{"end"}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), before);
}

struct Around {
    const char* name;
    const char* before; // in the running game
    const char* open;
    const char* dialog; // the window then on top
    const char* close;
    bool warPausiertDuring;
    int pausiertAfter;
    const char* tagAfter;
    int pausiertAfterP; // after one more P
};

void PrintTo(const Around& c, std::ostream* os)
{
    *os << c.name;
}

class DialogAroundPause : public testing::TestWithParam<Around> {};

// The game stands while a dialog is up; afterwards a game that ran runs on, a paused or
// ended one stays so, and a new game from F4 always runs.
TEST_P(DialogAroundPause, FreezesAndRestores)
{
    const Around& a = GetParam();
    const bool runs = a.pausiertAfter == 0;
    const std::vector<Expectation> during = {
        {"Pausiert", "1"}, {"WarPausiert", a.warPausiertDuring ? "True" : "False"}, {"tmeBewegung.Enabled", "False"}};
    const std::vector<Expectation> after = {{"Pausiert", std::to_string(a.pausiertAfter)},
                                            {"WarPausiert", "False"},
                                            {"frmHaupt.Tag", a.tagAfter},
                                            {"tmeBewegung.Enabled", runs ? "True" : "False"},
                                            {"tmeGravokiten.Enabled", runs ? "True" : "False"},
                                            {"tmeSchuss.Enabled", runs ? "True" : "False"},
                                            {"tmeAniGravok.Enabled", "False"},
                                            {"lblAnzeige.Caption", runs ? "" : "Pause!"}};
    const SimRun run = play(std::string(a.before) + a.open + "\nwindows\n" + expectLines(during) + a.close +
                            "\nwindows\n" + expectLines(after) + "key P\n" +
                            expectLines({{"Pausiert", std::to_string(a.pausiertAfterP)}}));
    EXPECT_EQ(run.status, 0) << a.name << "\n" << transcript(run);
    EXPECT_EQ(run.lines, (std::vector<std::string>{std::string("frmHaupt ") + a.dialog, "frmHaupt"}))
        << a.name << "\n"
        << transcript(run);
}

const char* const Running = "";
const char* const PausedByP = "key P\n";
// An ended game as game over leaves it: paused, Tag 1, the words on the field.
const char* const Ended = "key P\nset frmHaupt.Tag 1\n";

INSTANTIATE_TEST_SUITE_P(
    All, DialogAroundPause,
    testing::Values(
        Around{"highscore_running", Running, "click lblHighscore", "frmPunkte", "click lblOK", false, 0, "0", 1},
        Around{"highscore_paused", PausedByP, "click lblHighscore", "frmPunkte", "click lblOK", true, 1, "0", 0},
        Around{"highscore_ended", Ended, "click lblHighscore", "frmPunkte", "key Escape", true, 1, "1", 1},
        Around{"info_running", Running, "click lblInfo", "frmInfo", "click lblOK", false, 0, "0", 1},
        Around{"info_paused", PausedByP, "click lblInfo", "frmInfo", "click lblOK", true, 1, "0", 0},
        Around{"f2_running", Running, "key F2", "frmInfo", "key Escape", false, 0, "0", 1},
        Around{"f2_paused", PausedByP, "key F2", "frmInfo", "key Enter", true, 1, "0", 0},
        // Cancelling over a running game lets it run on and keeps P working.
        Around{"f4_cancel_running", Running, "key F4", "frmNeu", "click lblAbbrechen", false, 0, "0", 1},
        Around{"f4_escape_running", Running, "key F4", "frmNeu", "key Escape", false, 0, "0", 1},
        Around{"f4_cancel_paused", PausedByP, "key F4", "frmNeu", "click lblAbbrechen", true, 1, "0", 0},
        Around{"f4_escape_paused", PausedByP, "key F4", "frmNeu", "key Escape", true, 1, "0", 0},
        Around{"f4_cancel_ended", Ended, "key F4", "frmNeu", "click lblAbbrechen", true, 1, "1", 1},
        Around{"f4_ok_running", Running, "key F4", "frmNeu", "click opt2\nclick lblOK", false, 0, "0", 1},
        Around{"f4_ok_paused", PausedByP, "key F4", "frmNeu", "click lblOK", true, 0, "0", 1},
        Around{"f4_enter_ended", Ended, "key F4", "frmNeu", "key Enter", true, 0, "0", 1}),
    [](const auto& info) { return std::string(info.param.name); });

struct Ending {
    const char* name;
    const char* reach;
    const char* words;
};

void PrintTo(const Ending& c, std::ostream* os)
{
    *os << c.name;
}

class DialogsAfterTheEnd : public testing::TestWithParam<Ending> {};

// After a game has ended the dialogs leave it ended; only a new game runs again.
TEST_P(DialogsAfterTheEnd, OnlyANewGameRunsAgain)
{
    const Ending& e = GetParam();
    const std::string words = e.words;
    const SimRun run = play(std::string(e.reach) + "input Tester\nclick lblOK\n" +
                            expectLines({{"frmHaupt.Tag", "1"}, {"lblAnzeige.Caption", words}}) +
                            "click lblHighscore\nclick lblOK\nkey F2\nkey Escape\nkey F4\nkey Escape\nkey P\n" +
                            expectLines({{"Pausiert", "1"},
                                         {"frmHaupt.Tag", "1"},
                                         {"WarPausiert", "False"},
                                         {"lblAnzeige.Caption", words}}) +
                            "key F4\nclick lblOK\n" +
                            expectLines({{"Pausiert", "0"},
                                         {"frmHaupt.Tag", "0"},
                                         {"Schaden", "0"},
                                         {"Level", "1"},
                                         {"lblAnzeige.Caption", ""}}) +
                            "key P\n" + expectLines({{"Pausiert", "1"}}));
    EXPECT_EQ(run.status, 0) << e.name << "\n" << transcript(run);
}

INSTANTIATE_TEST_SUITE_P(
    All, DialogsAfterTheEnd,
    testing::Values(Ending{"game_over",
                           "set Schaden 18\nset imgGravok(1).Left 4400\nset imgGravok(1).Top 3200\ntick tmeGravokiten\n",
                           "Game over!"},
                    Ending{"episode_completed", "set imgGravok(1).Tag 0\nset ExplosionsPhase(1) 3\ntick tmeAniGravok\n",
                           "Geschafft!"}),
    [](const auto& info) { return std::string(info.param.name); });

// The animation timers come back as they were around every dialog, not just the three
// game timers.
TEST(TimersAroundDialogs, AnimationTimersComeBackAsTheyWere)
{
    const SimRun run = play("set tmeAniSchuss.Enabled True\nclick lblInfo\nclick lblOK\nkey F4\nkey Escape\n" +
                            expectLines({{"tmeAniSchuss.Enabled", "True"}, {"tmeAniGravok.Enabled", "False"}}));
    EXPECT_EQ(run.status, 0) << transcript(run);
}

} // namespace
} // namespace gravok::test
