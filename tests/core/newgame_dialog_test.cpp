#include <gtest/gtest.h>

#include <array>

#include "app/frm_haupt.h"
#include "app/game.h"
#include "core/recording_platform.h"
#include "play_support.h"

namespace gravok::test {
namespace {

// Ten gravoks in level 1, each at a place and with a picture of its own.
std::string tenGravoks()
{
    std::string text = "1\r\n";
    for (int k = 1; k <= 10; ++k)
        text += std::to_string(k) + "," + std::to_string(500 * k) + "," + std::to_string(300 * k) + ",0,0\r\n";
    return text + "\r\n";
}

// Episode 1: three gravoks and the heart in level 1; 2: one gravok; 3: none; 4: ten.
Files fourEpisodes()
{
    return {{"Episode1.gvk", episode({"2", "3,1200,400,20,-15", "0,4500,3000", "7,6000,900,-30,25",
                                      "12,300,5000,1,1", "", "1,100,100,1,1", ""})},
            {"Episode2.gvk", episode({"1", "5,2000,2500,0,0", ""})},
            {"Episode3.gvk", episode({"1", ""})},
            {"Episode4.gvk", tenGravoks()}};
}

std::string opt(int n)
{
    return "click opt" + std::to_string(n) + "\n";
}

// Which option button is selected, one expectation each.
std::vector<Expectation> selected(int n)
{
    std::vector<Expectation> t;
    for (int i = 1; i <= 4; ++i)
        t.push_back({"frmNeu.opt" + std::to_string(i) + ".Value", i == n ? "True" : "False"});
    return t;
}

void expectRuns(const std::string& script, const std::string& why)
{
    const SimRun run = runSimWith(fourEpisodes(), script);
    EXPECT_EQ(run.status, 0) << why << "\n" << transcript(run);
}

TEST(NewGameDialog, StartUpShowingOffersOnlyOk)
{
    const std::vector<Expectation> startUp = {
        {"frmNeu.lblAbbrechen.Visible", "False"}, {"frmNeu.Shape2.Visible", "False"},
        {"frmNeu.lblOK.Left", "1740"},           {"frmNeu.Shape1.Left", "1740"},
        {"frmNeu.Top", "2512.5"},                {"frmNeu.Left", "12135"},
    };
    // Escape cannot cancel the start-up showing; Enter starts the selected episode.
    const SimRun run = runSimWith(fourEpisodes(), expectLines(startUp) + expectLines(selected(1)) +
                                                      "key Escape\nwindows\nkey Enter\nwindows\n" +
                                                      expectLines({{"Episode", "1"}, {"Pausiert", "0"}}));
    EXPECT_EQ(run.status, 0) << transcript(run);
    EXPECT_EQ(run.lines, (std::vector<std::string>{"frmHaupt frmNeu", "frmHaupt"})) << transcript(run);
}

// Each showing starts from the design values, whatever the one before did.
TEST(NewGameDialog, AnF4ShowingIsBuiltAfresh)
{
    const std::vector<Expectation> design = {
        {"frmNeu.lblAbbrechen.Visible", "True"}, {"frmNeu.Shape2.Visible", "True"},
        {"frmNeu.lblOK.Left", "1080"},          {"frmNeu.Shape1.Left", "1080"},
        {"Programmstart", "False"},
    };
    expectRuns("click lblOK\nkey F4\n" + expectLines(design) + expectLines(selected(1)) + opt(3) +
                   "key Escape\nkey F4\n" + expectLines(selected(1)),
               "design values after start-up and after a cancelled choice");
}

struct Placement {
    const char* name;
    const char* before; // script run in the main window first
    const char* top;
    const char* left;
};

// Names the case in test output.
void PrintTo(const Placement& c, std::ostream* os)
{
    *os << c.name;
}

class DialogPlacement : public testing::TestWithParam<Placement> {};

// Vertically by the main window's height, horizontally by the screen's width.
TEST_P(DialogPlacement, FollowsTheMainWindowsHeightAndTheScreen)
{
    const Placement& p = GetParam();
    expectRuns(std::string("click lblOK\n") + p.before + "key F4\n" +
                   expectLines({{"frmNeu.Top", p.top}, {"frmNeu.Left", p.left}}),
               p.name);
}

INSTANTIATE_TEST_SUITE_P(
    All, DialogPlacement,
    testing::Values(Placement{"as designed", "", "2512.5", "12135"},
                    Placement{"lower main window", "set frmHaupt.Height 4000\n", "192.5", "12135"},
                    Placement{"main window moved", "set frmHaupt.Left 0\nset frmHaupt.Top 900\n", "2512.5", "12135"}),
    [](const auto& info) { return std::to_string(info.index); });

TEST(NewGameDialog, IsCentredOnTheScreenItRunsOn)
{
    ProgramDir dir;
    RecordingPlatform platform(dir.path(), 19200.0f);
    Game game(platform);
    float left = 0;
    float top = 0;
    platform.modalLoop = [&](Form& form) {
        left = form.Left;
        top = form.Top;
    };
    game.Main();
    EXPECT_FLOAT_EQ(left, 19200.0f / 2 - 4530.0f / 2);
    EXPECT_FLOAT_EQ(top, 2512.5f);
}

// The option the dialog opens with, after a game of each episode.
class Preselection : public testing::TestWithParam<std::pair<int, int>> {};

TEST_P(Preselection, FollowsTheLastEpisode)
{
    const auto [played, shown] = GetParam();
    expectRuns(opt(played) + "click lblOK\n" + expectLines({{"Episode", std::to_string(played)}}) + "key F4\n" +
                   expectLines(selected(shown)),
               "after episode " + std::to_string(played));
}

INSTANTIATE_TEST_SUITE_P(All, Preselection,
                         testing::Values(std::pair{1, 1}, std::pair{2, 2}, std::pair{3, 1}, std::pair{4, 1}));

// A title label selects the option of its episode (the fourth too), and OK plays it.
class TitleClick : public testing::TestWithParam<int> {};

TEST_P(TitleClick, SelectsItsEpisode)
{
    const int n = GetParam();
    const std::string title = "click lbl" + std::to_string(n) + "\n";
    // Start from another selection so that a click that does nothing shows.
    const std::string other = opt(n == 2 ? 3 : 2);
    expectRuns(other + title + expectLines(selected(n)) + "click lblOK\n" +
                   expectLines({{"Episode", std::to_string(n)}}),
               "lbl" + std::to_string(n));
}

INSTANTIATE_TEST_SUITE_P(All, TitleClick, testing::Values(1, 2, 3, 4));

class DialogButtonColours : public testing::TestWithParam<const char*> {};

// Blue while the button is held, white again on release; the action waits for the click.
TEST_P(DialogButtonColours, TurnBlueWhileHeld)
{
    const std::string label = GetParam();
    const SimRun run =
        runSimWith(fourEpisodes(), "click lblOK\nkey F4\ndown " + label + "\nget " + label + ".ForeColor\nwindows\nup " +
                                       label + "\nget " + label + ".ForeColor\nwindows\n");
    EXPECT_EQ(run.status, 0) << transcript(run);
    EXPECT_EQ(run.lines, (std::vector<std::string>{"#0000FF", "frmHaupt frmNeu", "#FFFFFF", "frmHaupt frmNeu"}))
        << label << "\n"
        << transcript(run);
}

INSTANTIATE_TEST_SUITE_P(All, DialogButtonColours, testing::Values("lblOK", "lblAbbrechen"));

// Play a little with episode 1 so that every part of the reset has something to undo.
const char* const PlayedGame = R"(click lblOK
key Right
key Up
key Up
advance 300
key Space
set Schaden 4
set spe(0).Visible True
set spe(3).Visible True
set spe(17).Visible True
set lblP.Caption 120
set imgHerz.Top 3000
set Level 2
set imgSchuss(3).Tag 2
set imgSchuss(3).Top 1000
set SchussRichtung(3) 7
set SchussExplodiert(3) 1
set imgSchuss(9).Top 5000
)";

TEST(NewGameDialog, OkResetsTheMainWindow)
{
    std::vector<Expectation> t = {
        {"Episode", "2"},
        {"Level", "1"},
        {"Richtung", "1"},
        {"Tempo", "0"},
        {"Schaden", "0"},
        {"AnzahlLevel", "1"},
        {"frmHaupt.Tag", "0"},
        {"Pausiert", "0"},
        {"imgShuttle.Picture", "1"},
        {"imgShuttle.Left", "4372"},
        {"imgShuttle.Top", "3172"},
        {"imgHerz.Top", "-2500"},
        {"lblTempo.Caption", "0"},
        {"lblP.Caption", "0"},
        {"imgGravok(1).Picture", "105"},
        {"imgGravok(1).Tag", "1"},
        {"imgGravok(1).Left", "2000"},
        {"imgGravok(1).Top", "2500"},
        {"LevelDaten(1).Gravok(1).Treffer", "0"},
        // A shot keeps its marker, heading and burst flag; only its place is reset.
        {"imgSchuss(3).Tag", "2"},
        {"SchussRichtung(3)", "7"},
        {"SchussExplodiert(3)", "1"},
    };
    for (int k = 2; k <= 4; ++k) {
        t.push_back({"imgGravok(" + std::to_string(k) + ").Picture", "0"});
        t.push_back({"imgGravok(" + std::to_string(k) + ").Tag", "0"});
    }
    for (int i = 0; i <= 9; ++i)
        t.push_back({"imgSchuss(" + std::to_string(i) + ").Top", "-250"});
    for (int i = 0; i <= 17; ++i)
        t.push_back({"spe(" + std::to_string(i) + ").Visible", "False"});
    expectRuns(std::string(PlayedGame) + "key F4\n" + opt(2) + "click lblOK\n" + expectLines(t), "reset");
}

// A heart in level 1 is placed only when a level starts by play, not by a new game.
TEST(NewGameDialog, AHeartInLevelOneStaysOutOfSightAtTheStart)
{
    expectRuns("click lblOK\n" + expectLines({{"HerzLevel", "1"}, {"imgHerz.Top", "-2500"}}), "heart");
}

struct Placed {
    int episode;
    std::vector<std::array<int, 3>> gravoks; // picture, Left, Top of level 1's slots
};

void PrintTo(const Placed& c, std::ostream* os)
{
    *os << "episode " << c.episode;
}

std::vector<std::array<int, 3>> tenPlaced()
{
    std::vector<std::array<int, 3>> out;
    for (int k = 1; k <= 10; ++k)
        out.push_back({100 + k, 500 * k, 300 * k});
    return out;
}

class LevelOneGravoks : public testing::TestWithParam<Placed> {};

// After a game with all ten gravoks, one of them destroyed, the new level 1 is laid out
// from the file and every slot beyond it is emptied.
TEST_P(LevelOneGravoks, ComeFromTheFileAndTheRestAreCleared)
{
    const Placed& p = GetParam();
    const int count = static_cast<int>(p.gravoks.size());
    std::vector<Expectation> t = {{"LevelDaten(1).Anzahl", std::to_string(count)}};
    for (int k = 1; k <= 10; ++k) {
        const std::string img = "imgGravok(" + std::to_string(k) + ").";
        if (k > count) {
            t.push_back({img + "Picture", "0"});
            t.push_back({img + "Tag", "0"});
            continue;
        }
        const auto& [picture, left, top] = p.gravoks[static_cast<std::size_t>(k - 1)];
        t.push_back({img + "Picture", std::to_string(picture)});
        t.push_back({img + "Tag", "1"});
        t.push_back({img + "Left", std::to_string(left)});
        t.push_back({img + "Top", std::to_string(top)});
    }
    expectRuns(opt(4) + "click lblOK\nset imgGravok(2).Tag 0\nadvance 200\nkey F4\n" + opt(p.episode) +
                   "click lblOK\n" + expectLines(t),
               "episode " + std::to_string(p.episode));
}

INSTANTIATE_TEST_SUITE_P(
    All, LevelOneGravoks,
    testing::Values(Placed{1, {{103, 1200, 400}, {107, 6000, 900}, {112, 300, 5000}}},
                    Placed{2, {{105, 2000, 2500}}}, Placed{3, {}}, Placed{4, tenPlaced()}));

class CancelKeepsTheGame : public testing::TestWithParam<const char*> {};

// Cancelling over a running game changes nothing at all, whatever was chosen meanwhile.
TEST_P(CancelKeepsTheGame, StateIsAsBefore)
{
    // Pausing and resuming once first makes the timers' saved states match what they are.
    const SimRun run = runSimWith(fourEpisodes(), std::string(PlayedGame) + "key P\nkey P\ndump\nkey F4\n" + opt(3) +
                                                      GetParam() + "\nwindows\ndump\n");
    ASSERT_EQ(run.status, 0) << transcript(run);
    ASSERT_EQ(run.lines.size(), 3u) << transcript(run);
    EXPECT_EQ(run.lines[1], "frmHaupt");
    EXPECT_EQ(run.lines[2], run.lines[0]) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(All, CancelKeepsTheGame, testing::Values("click lblAbbrechen", "key Escape"),
                         [](const auto& info) { return std::string(info.index == 0 ? "Click" : "Escape"); });

} // namespace
} // namespace gravok::test
