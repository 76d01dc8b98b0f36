// The about dialog through the harness, and what the harness cannot show in-process.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/game.h"
#include "core/recording_platform.h"
#include "info/contact.h"
#include "info/frm_info.h"
#include "sim_support.h"

namespace gravok {
namespace {

// Starts a game, opens the about dialog with F2 and runs the script there; the lines the
// start-up printed are dropped, up to the marker "frmHaupt" of the windows command.
test::SimRun aboutRun(const std::string& script)
{
    test::SimRun run = test::runSim("click lblOK\nlog\nwindows\nkey F2\n" + script);
    const auto marker = std::find(run.lines.begin(), run.lines.end(), "frmHaupt");
    run.lines.erase(run.lines.begin(), marker == run.lines.end() ? marker : marker + 1);
    return run;
}

TEST(AboutDialog, F2ShowsTheVersionAndThePlace)
{
    const auto r = aboutRun("log\nwindows\n" + test::expectLines({{"lblVersion.Caption", "Version 1.5"},
                                                             {"frmInfo.Left", "11692.5"},
                                                             {"frmInfo.Top", "585"},
                                                             {"lbl(1).Caption", contact::Web},
                                                             {"lbl(2).Caption", contact::Mail},
                                                             {"lblAutor.Caption", contact::Maker}}));
    EXPECT_EQ(r.status, 0) << test::transcript(r);
    EXPECT_EQ(r.lines, (std::vector<std::string>{"cursor busy", "cursor default", "frmHaupt frmInfo"}));
}

TEST(AboutDialog, OnlyTheTwoLinksOpenSomething)
{
    const std::string web = std::string("open ") + contact::Web;
    const std::string mail = std::string("open mailto:") + contact::Mail + "?Subject=Gravok v1.5";
    const struct {
        const char* label;
        std::vector<std::string> log;
    } cases[] = {
        {"lbl(1)", {web}}, {"lbl(2)", {mail}}, {"lbl(3)", {}},  {"lbl(4)", {}},     {"lbl(7)", {}},
        {"lbl(25)", {}},   {"lbl(26)", {}},    {"lblAutor", {}}, {"lblVersion", {}},
    };
    for (const auto& c : cases) {
        const auto r = aboutRun(std::string("log\nclick ") + c.label + "\nlog\nwindows\n");
        EXPECT_EQ(r.status, 0) << test::transcript(r);
        std::vector<std::string> expected = {"cursor busy", "cursor default"};
        expected.insert(expected.end(), c.log.begin(), c.log.end());
        expected.push_back("frmHaupt frmInfo"); // the dialog stays open
        EXPECT_EQ(r.lines, expected) << c.label;
    }
}

TEST(AboutDialog, PressedLinksTurnDarkRedAndBlueAgainOthersStay)
{
    const struct {
        const char* label;
        const char* down;
        const char* up;
    } cases[] = {
        {"lbl(1)", "#800000", "#0000FF"},
        {"lbl(2)", "#800000", "#0000FF"},
        {"lbl(3)", "#FFFFFF", "#FFFFFF"},
        {"lbl(26)", "#FFFFFF", "#FFFFFF"},
        {"lblOK", "#0000FF", "#FFFFFF"},
    };
    for (const auto& c : cases) {
        const std::string l = c.label;
        const auto r = aboutRun("down " + l + "\nget " + l + ".ForeColor\nup " + l + "\nget " + l + ".ForeColor\n");
        EXPECT_EQ(r.status, 0) << test::transcript(r);
        EXPECT_EQ(r.lines, (std::vector<std::string>{c.down, c.up})) << l;
    }
}

TEST(AboutDialog, KeysAndOk)
{
    const struct {
        const char* script;
        const char* windows;
    } cases[] = {
        {"key Enter\n", "frmHaupt"}, {"key Escape\n", "frmHaupt"},     {"click lblOK\n", "frmHaupt"},
        {"key F1\n", "frmHaupt frmInfo"}, {"key F2\n", "frmHaupt frmInfo"}, {"key Space\n", "frmHaupt frmInfo"},
    };
    for (const auto& c : cases) {
        const auto r = aboutRun(std::string(c.script) + "windows\n");
        EXPECT_EQ(r.status, 0) << test::transcript(r);
        EXPECT_EQ(r.lines.back(), c.windows) << c.script;
    }
    const auto help = aboutRun("log\nkey F1\nlog\n");
    ASSERT_EQ(help.lines.size(), 3u) << test::transcript(help);
    EXPECT_TRUE(help.lines[2].starts_with("start ") && help.lines[2].ends_with("/Gravok.quh, Info")) << help.lines[2];
}

TEST(AboutDialog, BothLinksShowTheHandOnceLoaded)
{
    test::ProgramDir dir;
    RecordingPlatform platform(dir.path());
    Game game(platform);
    FrmInfo info(game);
    EXPECT_TRUE(info.lbl(1)->HandCursor);
    EXPECT_FALSE(info.lbl(2)->HandCursor) << "label 2 gets the hand from label 1 when the dialog opens";
    game.showModal(info);
    EXPECT_TRUE(info.lbl(2)->HandCursor);
    EXPECT_FALSE(info.lbl(3)->HandCursor);
}

// The notices fill the free space above OK without covering anything.
TEST(AboutDialog, TheNoticesLieBetweenTheTextAndOk)
{
    test::ProgramDir dir;
    RecordingPlatform platform(dir.path());
    Game game(platform);
    FrmInfo info(game);
    const Control* column[] = {info.lbl(7), info.lbl(25), info.lbl(26), info.Shape1};
    for (std::size_t i = 0; i + 1 < std::size(column); ++i)
        EXPECT_LE(column[i]->Top + column[i]->Height, column[i + 1]->Top) << column[i]->fullName();
    for (const Control* notice : {info.lbl(25), info.lbl(26)}) {
        EXPECT_FALSE(notice->Caption.empty());
        EXPECT_EQ(notice->Alignment, Align::Center);
    }
}

} // namespace
} // namespace gravok
