// The high-score dialog through the harness, over a program directory prepared with a list.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/frm_haupt.h"
#include "core/recording_platform.h"
#include "harness.h"
#include "scores/frm_punkte.h"
#include "scores/list_file.h"
#include "sim_support.h"

namespace gravok {
namespace {

namespace fs = std::filesystem;

std::string encoded(const std::string& text)
{
    return Kodierer{}.encode(text, Schluessel);
}

std::vector<std::string> fileEntries(const fs::path& dir)
{
    std::vector<std::string> out;
    for (const auto& line : readList(dir).lines)
        out.push_back(Kodierer{}.decode(line, Schluessel).value_or("<beschädigt>"));
    return out;
}

// Points XDG_DATA_HOME elsewhere for one scope, so no test touches the real home's list.
class DataHome {
public:
    explicit DataHome(const fs::path& dir)
    {
        if (const char* old = std::getenv("XDG_DATA_HOME"))
            old_ = old;
        setenv("XDG_DATA_HOME", dir.c_str(), 1);
    }
    ~DataHome() { old_ ? setenv("XDG_DATA_HOME", old_->c_str(), 1) : unsetenv("XDG_DATA_HOME"); }
    DataHome(const DataHome&) = delete;
    DataHome& operator=(const DataHome&) = delete;

private:
    std::optional<std::string> old_;
};

class ScoresDialog : public testing::Test {
protected:
    void writeList(const std::vector<std::string>& lines)
    {
        std::ofstream out(dir.path() / ListName, std::ios::binary);
        for (const auto& line : lines)
            out << line << "\r\n";
    }
    void writeEntries(const std::vector<std::string>& entries)
    {
        std::vector<std::string> lines;
        for (const auto& e : entries)
            lines.push_back(encoded(e));
        writeList(lines);
    }
    // Starts a game in the start-up dialog, then runs the script on the main window.
    test::SimRun run(const std::string& script)
    {
        std::istringstream in("click lblOK\n" + script);
        std::ostringstream out;
        std::ostringstream err;
        test::SimRun result;
        result.status = Harness(dir.path(), 1, in, out, err).run();
        std::istringstream lines(out.str());
        for (std::string line; std::getline(lines, line);)
            result.lines.push_back(line);
        result.err = err.str();
        return result;
    }

    test::ProgramDir dir;
    test::ProgramDir user;
    DataHome home{user.path()};
};

TEST_F(ScoresDialog, HighscoreListsAPreparedFileInTheGamesOrder)
{
    writeEntries({"000007: a (1)", "000009: b (1)", "000007: c (2)", "000010: d (3)", "-00010: e (1)",
                  "-00050: f (4)"});
    const auto r = run("log\nclick lblHighscore\nlog\n" +
                       test::expectLines({{"Liste.ListCount", "6"},
                                          {"Liste.List(0)", "000010: d (3)"},
                                          {"Liste.List(1)", "000009: b (1)"},
                                          {"Liste.List(2)", "000007: c (2)"},
                                          {"Liste.List(3)", "000007: a (1)"},
                                          {"Liste.List(4)", "-00050: f (4)"},
                                          {"Liste.List(5)", "-00010: e (1)"},
                                          {"frmPunkte.Left", "11565"},
                                          {"frmPunkte.Top", "2077.5"}}) +
                       "key Escape\nwindows\n");
    EXPECT_EQ(r.status, 0) << test::transcript(r);
    const std::vector<std::string> expected = {"cursor busy", "cursor default", "frmHaupt"};
    EXPECT_EQ(std::vector<std::string>(r.lines.end() - 3, r.lines.end()), expected) << test::transcript(r);
}

TEST_F(ScoresDialog, AFinishedGameAsksForTheNameAndAppendsTheEntry)
{
    writeEntries({"000200: Erste (1)", "000100: Zweite (1)"});
    const auto r = run("set PunkteEintragen True\nset lblP.Caption 150\nset Episode 2\n"
                       "input Pilot\nclick lblHighscore\nlog\n" +
                       test::expectLines({{"Liste.ListCount", "3"}, {"Liste.List(1)", "000150: Pilot (2)"}}) +
                       "key Enter\n");
    EXPECT_EQ(r.status, 0) << test::transcript(r);
    const std::vector<std::string> log = {"cursor busy", "inputbox Geben sie bitte ihren Namen ein:|Namen?",
                                          "cursor default"};
    ASSERT_GE(r.lines.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(r.lines.end() - 3, r.lines.end()), log);
    EXPECT_EQ(fileEntries(dir.path()),
              (std::vector<std::string>{"000200: Erste (1)", "000100: Zweite (1)", "000150: Pilot (2)"}));
}

TEST_F(ScoresDialog, ScoresAndCancelledNamesAreStoredAsTheGameWritesThem)
{
    const struct {
        const char* score;
        const char* answer; // nullptr: cancelled
        const char* entry;
    } cases[] = {
        {"150", nullptr, "000150:  (1)"},
        {"-40", "Jean-Luc Größe", "-00040: Jean-Luc Größe (1)"},
        {"999999", "", "999999:  (1)"},
    };
    for (const auto& c : cases) {
        fs::remove(dir.path() / ListName);
        const std::string answer = c.answer ? std::string("input ") + c.answer : "input-cancel";
        const auto r = run("set PunkteEintragen True\nset lblP.Caption " + std::string(c.score) +
                           "\nset Episode 1\nclick lblHighscore\n" + answer + "\n" +
                           test::expectLines({{"Liste.List(0)", c.entry}}) + "key Escape\n");
        EXPECT_EQ(r.status, 0) << test::transcript(r);
        EXPECT_EQ(fileEntries(dir.path()), std::vector<std::string>{c.entry});
    }
}

TEST_F(ScoresDialog, AnOldLayoutListIsConvertedOnOpening)
{
    writeEntries({"00150: Pilot", "-0040: Gast", "00300: Jean-Luc"});
    const auto r = run("click lblHighscore\n" +
                       test::expectLines({{"Liste.List(0)", "000300: Jean-Luc"},
                                          {"Liste.List(1)", "000150: Pilot"},
                                          {"Liste.List(2)", "-00040: Gast"}}) +
                       "key Escape\n");
    EXPECT_EQ(r.status, 0) << test::transcript(r);
    EXPECT_EQ(fileEntries(dir.path()), (std::vector<std::string>{"000150: Pilot", "-00040: Gast", "000300: Jean-Luc"}));
    EXPECT_FALSE(fs::exists(dir.path() / TempName));
}

TEST_F(ScoresDialog, BrowsingAMissingListShowsNothingAndWritesNothing)
{
    const auto r = run("click lblHighscore\nexpect Liste.ListCount 0\nkey Escape\n");
    EXPECT_EQ(r.status, 0) << test::transcript(r);
    EXPECT_FALSE(fs::exists(dir.path() / ListName));
}

TEST_F(ScoresDialog, DamagedEntriesAreCountedNotShownAndKept)
{
    const std::vector<std::string> lines = {encoded("000100: A (1)"), "00FF00FF00", encoded("000300: C (1)"),
                                            "kaputt"};
    writeList(lines);
    const auto r = run("set PunkteEintragen True\nset lblP.Caption 200\nset Episode 1\nclick lblHighscore\n"
                       "input B\nlog\nexpect Liste.ListCount 3\nexpect Liste.List(1) 000200: B (1)\nkey Escape\n");
    EXPECT_EQ(r.status, 0) << test::transcript(r);
    EXPECT_EQ(r.lines.back(), "message 2 Einträge der Punkteliste sind beschädigt und werden nicht angezeigt. "
                              "Sie bleiben unverändert in der Datei.");
    std::vector<std::string> after = lines;
    after.push_back(encoded("000200: B (1)"));
    EXPECT_EQ(readList(dir.path()).lines, after);
}

TEST_F(ScoresDialog, WhenNothingCanBeWrittenThePlayerIsToldAndTheGameGoesOn)
{
    writeEntries({"000100: A (1)"});
    fs::create_directory(dir.path() / LockName);
    std::ofstream(user.path() / "datei").close();
    const DataHome belowAFile(user.path() / "datei");
    const auto r = run("set PunkteEintragen True\nset lblP.Caption 50\nclick lblHighscore\ninput X\nlog\n"
                       "expect Liste.ListCount 1\nkey Escape\nwindows\n");
    EXPECT_EQ(r.status, 0) << test::transcript(r);
    const std::string message = "message Der Punktestand konnte nicht gespeichert werden: " +
                                (dir.path() / LockName).string() + " (das ist ein Verzeichnis); " +
                                (user.path() / "datei" / "gravok").string() +
                                " (ein Teil des Pfads ist kein Verzeichnis). Das Spiel geht weiter.";
    ASSERT_GE(r.lines.size(), 2u);
    EXPECT_EQ(r.lines[r.lines.size() - 2], message);
    EXPECT_EQ(r.lines.back(), "frmHaupt");
}

TEST_F(ScoresDialog, AnInstalledCopyShowsBothListsAndAddsToTheUsersOne)
{
    writeEntries({"000100: Beim Programm (1)", "00050: Alt"});
    fs::create_directory(dir.path() / LockName);
    const auto r = run("set PunkteEintragen True\nset lblP.Caption 70\nset Episode 3\nclick lblHighscore\n"
                       "input Neu\n" +
                       test::expectLines({{"Liste.ListCount", "3"},
                                          {"Liste.List(0)", "000100: Beim Programm (1)"},
                                          {"Liste.List(1)", "000070: Neu (3)"},
                                          {"Liste.List(2)", "000050: Alt"}}) +
                       "key Escape\n");
    EXPECT_EQ(r.status, 0) << test::transcript(r);
    EXPECT_EQ(fileEntries(user.path() / "gravok"), std::vector<std::string>{"000070: Neu (3)"});
    EXPECT_EQ(fileEntries(dir.path()), (std::vector<std::string>{"000100: Beim Programm (1)", "00050: Alt"}));
}

TEST_F(ScoresDialog, KeysAndTheOkLabel)
{
    const struct {
        const char* script;
        const char* windows; // after the script
    } cases[] = {
        {"key F1\nlog\n", "frmHaupt frmPunkte"},
        {"key Enter\n", "frmHaupt"},
        {"key Escape\n", "frmHaupt"},
        {"key P\n", "frmHaupt frmPunkte"},
        {"down lblOK\nexpect lblOK.ForeColor #0000FF\nup lblOK\nexpect lblOK.ForeColor #FFFFFF\n",
         "frmHaupt frmPunkte"},
        {"click lblOK\n", "frmHaupt"},
    };
    for (const auto& c : cases) {
        const auto r = run(std::string("click lblHighscore\nlog\n") + c.script + "windows\n");
        EXPECT_EQ(r.status, 0) << test::transcript(r);
        EXPECT_EQ(r.lines.back(), c.windows) << c.script;
    }
    const auto help = run("click lblHighscore\nlog\nkey F1\nlog\n");
    const std::string start = "start " + (dir.path() / "zedezora").string() + " " +
                              (dir.path() / "Gravok.quh").string() + ", Highscore";
    EXPECT_EQ(help.lines.back(), start);
}

} // namespace
} // namespace gravok
