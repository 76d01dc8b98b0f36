#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "app/frm_haupt.h"
#include "app/game.h"
#include "core/recording_platform.h"
#include "harness.h"
#include "play_support.h"

namespace gravok::test {
namespace {

// A harness run in a program directory the test knows, so start lines can be compared whole.
struct KnownDirRun {
    std::string dir;
    SimRun run;
};

KnownDirRun runInKnownDir(const std::string& script)
{
    ProgramDir dir; // holds a one-level Episode1.gvk
    std::istringstream in(script);
    std::ostringstream out;
    std::ostringstream err;
    KnownDirRun r{dir.path().string(), {}};
    r.run.status = Harness(dir.path(), 1, in, out, err).run();
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);)
        r.run.lines.push_back(line);
    r.run.err = err.str();
    return r;
}

std::string startLine(const std::string& dir, const std::string& topic)
{
    return "start " + dir + "/zedezora " + dir + "/Gravok.quh, " + topic;
}

struct HelpCase {
    const char* name;
    const char* before; // brings the window up; its log is taken away
    const char* trigger;
    const char* topic;
    const char* windows; // open afterwards
    int pausiert;        // afterwards
};

// Names the case in test output.
void PrintTo(const HelpCase& c, std::ostream* os)
{
    *os << c.name;
}

class HelpLaunch : public testing::TestWithParam<HelpCase> {};

// Each window starts the viewer beside the program at a topic of its own and goes on.
TEST_P(HelpLaunch, StartsTheViewerAtTheWindowsTopic)
{
    const HelpCase& c = GetParam();
    const auto [dir, run] = runInKnownDir(std::string(c.before) + "log\nwindows\n" + c.trigger + "\nlog\nwindows\n" +
                                          expectLines({{"Pausiert", std::to_string(c.pausiert)}}));
    EXPECT_EQ(run.status, 0) << c.name << "\n" << transcript(run);
    // The lines after the first windows line: the trigger's log, then the windows again.
    std::size_t w = 0;
    while (w < run.lines.size() && !run.lines[w].starts_with("frmHaupt"))
        ++w;
    ASSERT_LT(w + 1, run.lines.size()) << transcript(run);
    const std::vector<std::string> after(run.lines.begin() + static_cast<long>(w) + 1, run.lines.end());
    EXPECT_EQ(after, (std::vector<std::string>{startLine(dir, c.topic), c.windows})) << c.name << "\n"
                                                                                      << transcript(run);
}

INSTANTIATE_TEST_SUITE_P(
    All, HelpLaunch,
    testing::Values(
        HelpCase{"start_up_dialog", "", "key F1", "Neues Spiel", "frmHaupt frmNeu", 1},
        HelpCase{"f4_dialog", "click lblOK\nkey F4\n", "key F1", "Neues Spiel", "frmHaupt frmNeu", 1},
        // F1 leaves the game as it is; the help label pauses and leaves it paused.
        HelpCase{"main_running", "click lblOK\n", "key F1", "Haupt - Menü", "frmHaupt", 0},
        HelpCase{"main_paused", "click lblOK\nkey P\n", "key F1", "Haupt - Menü", "frmHaupt", 1},
        HelpCase{"help_label_running", "click lblOK\n", "click lblHilfe", "Inhalt", "frmHaupt", 1},
        HelpCase{"help_label_paused", "click lblOK\nkey P\n", "click lblHilfe", "Inhalt", "frmHaupt", 1},
        HelpCase{"highscore_dialog", "click lblOK\nclick lblHighscore\n", "key F1", "Highscore", "frmHaupt frmPunkte", 1},
        HelpCase{"info_dialog", "click lblOK\nclick lblInfo\n", "key F1", "Info", "frmHaupt frmInfo", 1}),
    [](const auto& info) { return std::string(info.param.name); });

// Nothing waits for the viewer: a second request starts a second one, and time goes on.
TEST(HelpViewer, EveryRequestStartsAnotherViewer)
{
    const auto [dir, run] =
        runInKnownDir("click lblOK\nlog\nkey F1\nkey F1\nadvance 100\nlog\n" + expectLines({{"Pausiert", "0"}}));
    EXPECT_EQ(run.status, 0) << transcript(run);
    const std::string line = startLine(dir, "Haupt - Menü");
    EXPECT_EQ(std::count(run.lines.begin(), run.lines.end(), line), 2) << transcript(run);
}

// The help label pauses once; pressing it again does not resume.
TEST(HelpViewer, TheHelpLabelNeverResumes)
{
    const auto [dir, run] = runInKnownDir("click lblOK\nclick lblHilfe\nclick lblHilfe\nadvance 500\n" +
                                          expectLines({{"Pausiert", "1"}, {"tmeBewegung.Enabled", "False"},
                                                       {"lblAnzeige.Caption", "Pause!"}}) +
                                          "key P\n" + expectLines({{"Pausiert", "0"}}));
    EXPECT_EQ(run.status, 0) << transcript(run);
}

// A desktop on which the viewer cannot be started.
class NoViewer : public testing::Test {
protected:
    NoViewer() : platform(dir.path())
    {
        platform.programsStart = false;
    }

    // What the desktop was told after the start line, which must come first.
    std::vector<std::string> afterStart(const std::string& topic)
    {
        auto log = platform.takeLog();
        std::erase_if(log, [](const std::string& l) { return l.starts_with("cursor "); });
        EXPECT_FALSE(log.empty());
        if (log.empty())
            return {};
        EXPECT_EQ(log.front(), startLine(dir.path().string(), topic));
        return {log.begin() + 1, log.end()};
    }

    static void expectOneMessage(const std::vector<std::string>& rest)
    {
        ASSERT_EQ(rest.size(), 1u);
        EXPECT_TRUE(rest[0].starts_with("message ")) << rest[0];
        EXPECT_GT(rest[0].size(), std::string("message ").size());
    }

    ProgramDir dir;
    RecordingPlatform platform;
    Game game{platform};
};

TEST_F(NoViewer, F1InTheMainWindowSaysSoAndTheGameRunsOn)
{
    platform.modalLoop = [](Form& form) { form.click(form.at("lblOK")); };
    game.Main();
    platform.takeLog();
    game.frmHaupt().keyDown(key::F1, 0);
    expectOneMessage(afterStart("Haupt - Menü"));
    EXPECT_EQ(game.frmHaupt().Pausiert, 0);
    EXPECT_TRUE(game.frmHaupt().tmeBewegung->Enabled());
    EXPECT_EQ(game.windows().size(), 1u);
}

TEST_F(NoViewer, TheHelpLabelStillPausesOnceAndSaysSo)
{
    platform.modalLoop = [](Form& form) { form.click(form.at("lblOK")); };
    game.Main();
    platform.takeLog();
    game.frmHaupt().click(*game.frmHaupt().lblHilfe);
    expectOneMessage(afterStart("Inhalt"));
    EXPECT_EQ(game.frmHaupt().Pausiert, 1);
}

TEST_F(NoViewer, F1InTheNewGameDialogLeavesItOpen)
{
    bool openAfterF1 = false;
    std::vector<std::string> rest;
    platform.modalLoop = [&](Form& form) {
        platform.takeLog();
        form.keyDown(key::F1, 0);
        rest = afterStart("Neues Spiel");
        openAfterF1 = !form.closed();
        form.click(form.at("lblOK"));
    };
    game.Main();
    expectOneMessage(rest);
    EXPECT_TRUE(openAfterF1);
    EXPECT_EQ(game.frmHaupt().Pausiert, 0);
}

} // namespace
} // namespace gravok::test
