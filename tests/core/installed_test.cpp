// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// An installed game: executables in one folder, episodes and help file in a data folder
// it only reads, the high-score list in the player's own directory, root or not.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "app/game.h"
#include "core/recording_platform.h"
#include "episodes/episode_laden.h"
#include "info/help.h"
#include "scores/kodierer.h"
#include "scores/list_places.h"
#include "sim_support.h"

namespace gravok {
namespace {

namespace fs = std::filesystem;

void touch(const fs::path& path, const std::string& bytes = "")
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// An empty program folder and an empty data folder side by side.
class Installed : public testing::Test {
protected:
    Installed() : data(root.path() / "data"), platform(program())
    {
        fs::create_directory(program());
        fs::create_directory(data);
        platform.installedData = data;
    }
    fs::path program() const { return root.path() / "program"; }

    test::ProgramDir root;
    fs::path data;
    RecordingPlatform platform;
};

TEST_F(Installed, FilesAreFoundBesideTheProgramFirstThenInTheDataFolder)
{
    struct Case {
        const char* name;
        bool inProgram;
        bool inData;
        bool installed;
        const char* expected; // "program" or "data"
    };
    const Case cases[] = {
        {"A.gvk", true, false, true, "program"},
        {"B.gvk", true, true, true, "program"},
        {"C.gvk", false, true, true, "data"},
        {"D.gvk", false, false, true, "program"}, // a message then names the program's place
        {"E.gvk", false, true, false, "program"}, // a build tree has no data folder
    };
    for (const Case& c : cases) {
        if (c.inProgram)
            touch(program() / c.name);
        if (c.inData)
            touch(data / c.name);
        platform.installedData = c.installed ? data : fs::path();
        const fs::path where = std::string(c.expected) == "program" ? program() : data;
        EXPECT_EQ(platform.gameFile(c.name), where / c.name) << c.name;
    }
}

TEST_F(Installed, EpisodesAndTheHelpFileComeFromTheDataFolder)
{
    touch(data / "Episode1.gvk", "1\r\n3,1200,400,20,-15\r\n\r\n");
    touch(data / "Gravok.quh", "<html></html>");
    Game game(platform);
    EXPECT_EQ(EpisodeLaden(game, 1), std::nullopt);
    EXPECT_EQ(game.Start.AnzahlLevel, 1);
    platform.takeLog();
    HilfeOeffnen(game, "Info");
    // The viewer is an executable, so it stays beside the game; its file lies in the data folder.
    EXPECT_EQ(platform.takeLog(), (std::vector<std::string>{"start " + (program() / "zedezora").string() + " " +
                                                            (data / "Gravok.quh").string() + ", Info"}));
}

TEST_F(Installed, TheListGoesToTheUserAndNothingIsCreatedBesideTheProgram)
{
    // The program's folder can be written here, as it can for root on a real system.
    const fs::path user = root.path() / "user";
    touch(program() / ListName, Kodierer{}.encode("000100: Alt (1)", Schluessel) + "\r\n");
    const ListPlaces places = findPlaces(program(), user, true);
    EXPECT_EQ(places.home, user);
    EXPECT_EQ(places.read, (std::vector<fs::path>{program(), user}));
    EXPECT_FALSE(places.programProblem);
    const EntryResult entry = appendEntry(places, Kodierer{}.encode("000200: Neu (1)", Schluessel));
    EXPECT_TRUE(entry.problems.empty());
    EXPECT_EQ(entry.writtenTo, user);
    EXPECT_TRUE(fs::exists(user / ListName));
    std::vector<std::string> besideProgram;
    for (const auto& entry : fs::directory_iterator(program()))
        besideProgram.push_back(entry.path().filename().string());
    EXPECT_EQ(besideProgram, (std::vector<std::string>{ListName}));
    // The same folder in a build tree takes the list itself.
    EXPECT_EQ(findPlaces(program(), user, false).home, program());
}

} // namespace
} // namespace gravok
