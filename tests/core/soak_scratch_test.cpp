#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>

#include "app/frm_haupt.h"
#include "app/game.h"
#include "info/frm_info.h"
#include "players/play_platform.h"
#include "players/scratch_dir.h"
#include "scores/frm_punkte.h"
#include "scores/list_places.h"
#include "sim_support.h"

#ifndef GRAVOK_DATA_DIR
#error "GRAVOK_DATA_DIR must name the source tree's data directory"
#endif

namespace gravok {
namespace {

namespace fs = std::filesystem;

// Sets an environment variable for one test and puts the old value back.
class EnvVar {
public:
    EnvVar(const char* name, const char* value) : name_(name)
    {
        if (const char* old = std::getenv(name))
            old_ = old;
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~EnvVar() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }

private:
    const char* name_;
    std::optional<std::string> old_;
};

std::string envOr(const char* name, const char* fallback)
{
    const char* v = std::getenv(name);
    return v ? v : fallback;
}

TEST(ScratchDir, HoldsTheEpisodesAndKeepsEveryListOutOfTheUsersFiles)
{
    for (const char* before : {"/home/someone/.local/share", static_cast<const char*>(nullptr)}) {
        EnvVar xdg("XDG_DATA_HOME", before);
        fs::path root;
        {
            ScratchDir scratch(GRAVOK_DATA_DIR);
            root = scratch.programDir().parent_path();
            for (int n = 1; n <= 4; ++n)
                EXPECT_TRUE(fs::is_regular_file(scratch.programDir() / ("Episode" + std::to_string(n) + ".gvk")));
            EXPECT_EQ(envOr("XDG_DATA_HOME", ""), scratch.dataHome().string());
            EXPECT_EQ(userDataDir(), scratch.dataHome() / "gravok");
            std::ofstream(scratch.programDir() / "Punkte.lst") << "entry\n";
        }
        EXPECT_FALSE(fs::exists(root)) << "left behind: " << root;
        EXPECT_EQ(envOr("XDG_DATA_HOME", "(unset)"), before ? before : "(unset)");
    }
}

TEST(ScratchDir, AMissingEpisodeIsNamedAndLeavesNothingBehind)
{
    test::ProgramDir temp;
    EnvVar tmpdir("TMPDIR", temp.path().c_str());
    const fs::path source = temp.path() / "source";
    fs::create_directory(source);
    for (int n = 1; n <= 3; ++n)
        fs::copy_file(fs::path(GRAVOK_DATA_DIR) / ("Episode" + std::to_string(n) + ".gvk"),
                      source / ("Episode" + std::to_string(n) + ".gvk"));
    try {
        ScratchDir scratch(source);
        ADD_FAILURE() << "no episode 4, yet it was made";
    } catch (const std::runtime_error& e) {
        // Named with the reason the copy failed, not the clean-up's "Success".
        EXPECT_NE(std::string(e.what()).find("Episode4.gvk: No such file"), std::string::npos) << e.what();
    }
    for (const auto& entry : fs::directory_iterator(temp.path()))
        EXPECT_NE(entry.path().filename().string().rfind("gravok-play-", 0), 0u) << entry.path();
}

TEST(ScratchDir, CountsEveryLineOfBothLists)
{
    ScratchDir scratch(GRAVOK_DATA_DIR);
    EXPECT_EQ(scratch.listLines(), 0) << "no list yet";
    // A blank line and a last line without its end count as well: each is a line too many
    // or an entry that a game wrote.
    std::ofstream(scratch.programDir() / "Punkte.lst", std::ios::binary) << "a\r\n\r\nb";
    EXPECT_EQ(scratch.listLines(), 3);
    fs::create_directories(scratch.dataHome() / "gravok");
    std::ofstream(scratch.dataHome() / "gravok" / "Punkte.lst", std::ios::binary) << "x\n";
    EXPECT_EQ(scratch.listLines(), 4);
    std::ofstream(scratch.dataHome() / "gravok" / "Punkte.lst", std::ios::binary) << "";
    EXPECT_EQ(scratch.listLines(), 3);
}

// A player whose answers each test writes.
struct ScriptedAnswers : DialogAnswers {
    std::function<void(Game&, Form&)> onDialog;
    void answer(Game& game, Form& dialog) override
    {
        if (onDialog)
            onDialog(game, dialog);
    }
    std::optional<std::string> name() override { return "Anna"; }
};

class PlayPlatformTest : public testing::Test {
protected:
    PlayPlatformTest() : scratch(GRAVOK_DATA_DIR), platform(scratch.programDir(), 1, answers)
    {
        platform.attach(game);
        answers.onDialog = [](Game&, Form& dialog) { dialog.keyDown(key::Enter, 0); };
        game.Main();
    }

    ScratchDir scratch;
    ScriptedAnswers answers;
    PlayPlatform platform;
    Game game{platform};
};

TEST_F(PlayPlatformTest, AFinishedGameIsCountedAndItsEntryLandsInTheScratchList)
{
    EXPECT_EQ(platform.counts().gamesStarted, 1);
    FrmPunkte browse(game);
    game.showModal(browse);
    EXPECT_EQ(platform.counts().gamesFinished, 0) << "only looked at";
    EXPECT_EQ(scratch.listLines(), 0);

    game.Start.PunkteEintragen = true;
    game.frmHaupt().lblAnzeige->Caption = "Geschafft!";
    FrmPunkte ending(game);
    game.showModal(ending);
    EXPECT_EQ(platform.counts().gamesFinished, 1);
    EXPECT_EQ(platform.counts().completed, 1);
    EXPECT_EQ(platform.counts().names, 1);
    EXPECT_EQ(scratch.listLines(), 1);
    EXPECT_EQ(platform.finding(), "");
}

TEST_F(PlayPlatformTest, ADialogLeftOpenIsClosedAndReported)
{
    answers.onDialog = [](Game&, Form&) {};
    FrmInfo info(game);
    game.showModal(info);
    EXPECT_TRUE(info.closed());
    EXPECT_EQ(platform.finding(), "frmInfo stayed open after the player's answer");
}

TEST_F(PlayPlatformTest, TheFirstMessageIsKeptOnOneLine)
{
    platform.message("Die Episode kann nicht geladen werden.\n/x/Episode3.gvk\nZeile 2");
    platform.notify("later");
    EXPECT_EQ(platform.finding(), "the game said: Die Episode kann nicht geladen werden. /x/Episode3.gvk Zeile 2");
}

TEST_F(PlayPlatformTest, HelpStartsAreCountedNotLogged)
{
    game.frmHaupt().keyDown(key::F1, 0);
    game.frmHaupt().keyDown(key::F1, 0);
    EXPECT_EQ(platform.counts().helpStarts, 2);
    EXPECT_TRUE(platform.log().empty());
    EXPECT_EQ(platform.finding(), "");
}

} // namespace
} // namespace gravok
