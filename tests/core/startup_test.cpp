#include <gtest/gtest.h>

#include "sim_support.h"

namespace gravok::test {
namespace {

// State while the start-up dialog is up: the game paused over the new-game dialog.
std::vector<Expectation> duringDialog()
{
    std::vector<Expectation> t = {
        {"Pausiert", "1"},
        {"Programmstart", "True"},
        {"lblAnzeige.Caption", "Pause!"},
        // The designed Enabled states, saved by the first pause.
        {"tmeBewegung.Tag", "1"},
        {"tmeSchuss.Tag", "1"},
        {"tmeGravokiten.Tag", "1"},
        {"tmeAniGravok.Tag", "0"},
        {"tmeAniSchuss.Tag", "0"},
        {"tmeBewegung.Enabled", "False"},
        {"tmeSchuss.Enabled", "False"},
        {"tmeGravokiten.Enabled", "False"},
        {"tmeAniGravok.Enabled", "False"},
        {"tmeAniSchuss.Enabled", "False"},
        // Centred on the 28800-twip screen; the vertical position stays as designed.
        {"frmHaupt.Left", "9600"},
        {"frmHaupt.Top", "0"},
        {"frmNeu.Top", "2512.5"},
        {"frmNeu.Left", "12135"},
        {"frmNeu.lblAbbrechen.Visible", "False"},
        {"frmNeu.lblOK.Left", "1740"},
        {"imgHerz.Picture", "60"},
        {"imgHerz.Width", "270"},
        {"imgHerz.Height", "270"},
        {"imgHerz.Top", "-2500"},
    };
    for (int i = 0; i <= 9; ++i) {
        const std::string shot = "imgSchuss(" + std::to_string(i) + ").";
        t.push_back({shot + "Picture", "50"});
        t.push_back({shot + "Width", "135"});
        t.push_back({shot + "Height", "135"});
    }
    const int hits[] = {3, 5, 7, 3, 5, 7, 3, 5, 7, 3, 5, 7};
    for (int n = 1; n <= 12; ++n)
        t.push_back({"GravokTypWert(" + std::to_string(n) + ")", std::to_string(hits[n - 1])});
    return t;
}

// State once the dialog is closed: the three game timers run, the animation timers do not.
const std::vector<Expectation> AfterDialog = {
    {"Pausiert", "0"},
    {"Programmstart", "False"},
    {"lblAnzeige.Caption", ""},
    {"tmeBewegung.Enabled", "True"},
    {"tmeSchuss.Enabled", "True"},
    {"tmeGravokiten.Enabled", "True"},
    {"tmeAniGravok.Enabled", "False"},
    {"tmeAniSchuss.Enabled", "False"},
    // Resuming does not clear what the pause saved.
    {"tmeBewegung.Tag", "1"},
    {"tmeSchuss.Tag", "1"},
    {"tmeGravokiten.Tag", "1"},
    {"tmeAniGravok.Tag", "0"},
    {"tmeAniSchuss.Tag", "0"},
    {"frmHaupt.Left", "9600"},
    {"frmHaupt.Top", "0"},
    {"GravokTypWert(1)", "3"},
    {"GravokTypWert(12)", "7"},
};

TEST(StartUp, TheNewGameDialogOpensOverThePausedGame)
{
    const SimRun run = runSim("windows\n" + expectLines(duringDialog()));
    EXPECT_EQ(run.status, 0) << transcript(run);
    ASSERT_FALSE(run.lines.empty());
    EXPECT_EQ(run.lines[0], "frmHaupt frmNeu");
}

TEST(StartUp, ClosingTheDialogResumesTheGame)
{
    const SimRun run = runSim("click lblOK\nwindows\n" + expectLines(AfterDialog));
    EXPECT_EQ(run.status, 0) << transcript(run);
    ASSERT_FALSE(run.lines.empty());
    EXPECT_EQ(run.lines[0], "frmHaupt");
}

TEST(StartUp, TheDialogsLoadShowsABusyPointer)
{
    const SimRun run = runSim("log\nlog\n");
    EXPECT_EQ(run.status, 0) << transcript(run);
    // The second log has nothing left to print.
    EXPECT_EQ(run.lines, (std::vector<std::string>{"cursor busy", "cursor default"}));
}

} // namespace
} // namespace gravok::test
