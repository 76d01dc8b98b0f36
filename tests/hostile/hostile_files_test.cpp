// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Files planted by an attacker or left by bad luck, met through the harness as the player
// meets them: the message the dialog gives, and every file in the program directory, the
// player's directory and a directory outside both, compared byte for byte before and after.
// A case that hangs fails by the TIMEOUT its ctest entry carries.
#include <gtest/gtest.h>

#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <thread>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "scores/kodierer.h"
#include "scores/list_file.h"
#include "scores/score_list.h"
#include "sim_support.h"

namespace gravok {
namespace {

namespace fs = std::filesystem;

using test::bytesOf;
using test::encoded;
using test::writeBytes;

std::vector<std::string> decoded(const fs::path& dir)
{
    DecodedList out;
    decodeInto(out, readList(dir).lines, Kodierer{});
    return out.entries;
}

// The three places a case may touch, and the test's own descriptor for a held lock.
struct Places {
    fs::path prog, user, out;
    int heldLock = -1;
    [[nodiscard]] fs::path userList() const { return user / "gravok"; }
};

// What every entry in the three places is: bytes of a regular file, a link's target, or
// its kind. Keyed "prog/…", "user/…", "out/…".
using Snapshot = std::map<std::string, std::string>;

Snapshot snapshot(const Places& p)
{
    Snapshot shot;
    const std::pair<const char*, fs::path> roots[] = {{"prog", p.prog}, {"user", p.user}, {"out", p.out}};
    for (const auto& [name, root] : roots) {
        for (const auto& e : fs::recursive_directory_iterator(root)) {
            const std::string key = std::string(name) + "/" + e.path().lexically_relative(root).string();
            const auto status = e.symlink_status();
            if (fs::is_symlink(status))
                shot[key] = "-> " + fs::read_symlink(e.path()).string();
            else if (fs::is_regular_file(status))
                shot[key] = fs::file_size(e.path()) > (1u << 20) ? "large " + std::to_string(fs::file_size(e.path()))
                                                                 : bytesOf(e.path());
            else
                shot[key] = "kind " + std::to_string(static_cast<int>(status.type()));
        }
    }
    return shot;
}

// Every entry not named in MAY_CHANGE is as it was, byte for byte; none appeared elsewhere.
void expectUntouched(const Snapshot& before, const Snapshot& after, const std::set<std::string>& mayChange)
{
    for (const auto& [key, value] : before) {
        if (mayChange.count(key))
            continue;
        ASSERT_TRUE(after.count(key)) << key << " vanished";
        EXPECT_TRUE(after.at(key) == value) << key << " changed";
    }
    for (const auto& [key, value] : after) {
        if (!mayChange.count(key)) {
            EXPECT_TRUE(before.count(key)) << key << " appeared";
        }
    }
}

// Another game holding the lock: a lock on a descriptor of the test's own.
void holdLock(Places& p)
{
    p.heldLock = ::open((p.prog / LockName).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    ASSERT_GE(p.heldLock, 0);
    ASSERT_EQ(::flock(p.heldLock, LOCK_EX), 0);
}

// Runs the game to the high-score dialog (with an entry for "Tester" when ENTRY), reads the
// messages it gave and how many entries it lists.
struct DialogRun {
    std::vector<std::string> messages;
    int listed = -1;
    std::string transcript;
};

DialogRun openDialog(const Places& p, bool entry)
{
    const test::EnvGuard env("XDG_DATA_HOME", p.user.string());
    std::string script = "click lblOK\nlog\n";
    if (entry)
        script += "set PunkteEintragen True\n";
    script += "click lblHighscore\n";
    if (entry)
        script += "input Tester\n";
    script += "log\nget Liste.ListCount\nkey Enter\n";
    const test::SimRun run = test::runSimIn(p.prog, script);
    DialogRun out;
    out.transcript = test::transcript(run);
    for (const auto& line : run.lines) {
        if (line.rfind("message ", 0) == 0)
            out.messages.push_back(line.substr(8));
        else if (!line.empty() && std::isdigit(static_cast<unsigned char>(line[0])))
            out.listed = std::stoi(line);
    }
    return out;
}

// "{P}" stands for the program directory, "{U}" for the player's list directory.
std::string expand(std::string text, const Places& p)
{
    for (const auto& [mark, path] : {std::pair<std::string, fs::path>{"{P}", p.prog}, {"{U}", p.userList()}}) {
        for (std::size_t at; (at = text.find(mark)) != std::string::npos;)
            text.replace(at, mark.size(), path.string());
    }
    return text;
}

const std::string Entry = "000000: Tester (1)";
const std::string Link = "das ist ein symbolischer Verweis, dem das Spiel nicht folgt";
const std::string Instead = ". Der Punktestand steht stattdessen in {U}/Punkte.lst.";

struct Situation {
    const char* name;
    std::function<void(Places&)> plant;
    bool entry;                           // a finished game adds "Tester"
    std::vector<std::string> messages;    // exactly these, in order
    int listed;                           // entries the dialog shows
    std::set<std::string> mayChange;      // everything else stays byte for byte
    std::vector<std::string> userEntries; // the player's list afterwards
    std::function<void(const Places&)> after = [](const Places&) {};
};

const std::set<std::string> UserListed = {"user/gravok", "user/gravok/Punkte.lst", "user/gravok/Punkte.lock",
                                          "prog/Punkte.lock"};

const Situation Situations[] = {
    {"TempLinkIsRemovedNotWrittenThrough",
     [](Places& p) {
         writeBytes(p.prog / ListName, encoded("00150: Pilot") + "\r\n");
         writeBytes(p.out / "opfer", "fremde Daten\n");
         fs::create_symlink(p.out / "opfer", p.prog / TempName);
     },
     false,
     {},
     1,
     {"prog/Punkte.lst", "prog/Punkte.tmp", "prog/Punkte.lock"},
     {},
     [](const Places& p) {
         EXPECT_EQ(bytesOf(p.prog / ListName), encoded("000150: Pilot") + "\r\n");
         EXPECT_FALSE(fs::is_symlink(p.prog / ListName));
         EXPECT_FALSE(fs::exists(fs::symlink_status(p.prog / TempName)));
     }},
    {"LockLinkIsNotFollowed",
     [](Places& p) { fs::create_symlink(p.out / "angelegt", p.prog / LockName); },
     true,
     {"{P}/Punkte.lock: " + Link + Instead},
     1,
     {"user/gravok", "user/gravok/Punkte.lst", "user/gravok/Punkte.lock"},
     {Entry}},
    {"ListLinkIsRefusedForReadingAndWriting",
     [](Places& p) {
         writeBytes(p.out / "liste", encoded("000100: Fremd (1)") + "\r\n");
         fs::create_symlink(p.out / "liste", p.prog / ListName);
     },
     true,
     {"{P}/Punkte.lst: " + Link + Instead},
     1,
     UserListed,
     {Entry}},
    {"ListFifoNeitherBlocksNorTakesTheEntry",
     [](Places& p) { ASSERT_EQ(::mkfifo((p.prog / ListName).c_str(), 0644), 0); },
     true,
     {"{P}/Punkte.lst: das ist eine benannte Pipe (FIFO), keine gewöhnliche Datei" + Instead},
     1,
     UserListed,
     {Entry}},
    {"AHeldLockSendsTheEntryToThePlayersList",
     [](Places& p) {
         writeBytes(p.prog / ListName, encoded("000100: Schon da (1)") + "\r\n");
         holdLock(p);
     },
     true,
     {"{P}/Punkte.lock: die Punkteliste ist von einem anderen Spiel gesperrt" + Instead},
     2,
     UserListed,
     {Entry}},
    {"AHeldLockDoesNotKeepTheListFromShowing",
     [](Places& p) {
         writeBytes(p.prog / ListName, encoded("000100: Schon da (1)") + "\r\n");
         holdLock(p);
     },
     false,
     {},
     1,
     {},
     {}},
    {"CrOnlyLinesAreEntries",
     [](Places& p) {
         writeBytes(p.prog / ListName, encoded("000100: A (1)") + "\r" + encoded("000200: B (1)") + "\r" +
                                           encoded("000300: C (1)") + "\r");
     },
     false,
     {},
     3,
     {"prog/Punkte.lock"},
     {}},
    {"EntriesInBothPlacesAreShown",
     [](Places& p) {
         writeBytes(p.prog / ListName, encoded("000100: Beim Programm (1)") + "\r\n");
         fs::create_directories(p.userList());
         writeBytes(p.userList() / ListName, encoded("000200: Beim Spieler (1)") + "\r\n");
     },
     true,
     {},
     3,
     {"prog/Punkte.lock", "prog/Punkte.lst"},
     {"000200: Beim Spieler (1)"},
     [](const Places& p) {
         EXPECT_EQ(decoded(p.prog), (std::vector<std::string>{"000100: Beim Programm (1)", Entry}));
     }},
    {"AListOfTooManyLinesIsRefused",
     [](Places& p) {
         std::string many;
         for (std::size_t i = 0; i <= MaxListLines; ++i)
             many += "x\r\n";
         writeBytes(p.prog / ListName, many);
     },
     false,
     {"Die Punkteliste kann nicht gelesen werden: {P}/Punkte.lst: die Datei hat mehr als 1000000 Zeilen."},
     0,
     UserListed,
     {}},
};

void PrintTo(const Situation& s, std::ostream* os)
{
    *os << s.name;
}

class HostileFiles : public testing::TestWithParam<Situation> {
protected:
    test::ProgramDir prog, user, out;
};

TEST_P(HostileFiles, MessageAndFiles)
{
    const Situation& s = GetParam();
    Places p{prog.path(), user.path(), out.path()};
    fs::remove(p.user / "Episode1.gvk");
    fs::remove(p.out / "Episode1.gvk");
    s.plant(p);
    const Snapshot before = snapshot(p);
    const DialogRun run = openDialog(p, s.entry);
    if (p.heldLock >= 0)
        ::close(p.heldLock);
    std::vector<std::string> expected;
    for (const auto& m : s.messages)
        expected.push_back(expand(m, p));
    EXPECT_EQ(run.messages, expected) << run.transcript;
    EXPECT_EQ(run.listed, s.listed) << run.transcript;
    expectUntouched(before, snapshot(p), s.mayChange);
    EXPECT_EQ(decoded(p.userList()), s.userEntries);
    s.after(p);
}

INSTANTIATE_TEST_SUITE_P(Situations, HostileFiles, testing::ValuesIn(Situations),
                         [](const testing::TestParamInfo<Situation>& info) { return info.param.name; });

// --- A write that fails half way: under a file-size limit the append stops after a few
// bytes. The game is not killed, the program's list is cut back to its bytes before, and
// the entry goes to the player's list, which still has room.
TEST(HostileWrites, AFailedAppendLeavesTheListAsItWasAndKeepsTheEntry)
{
    test::ProgramDir prog, user, out;
    Places p{prog.path(), user.path(), out.path()};
    std::string list;
    for (int i = 0; i < 30; ++i)
        list += encoded("0001" + std::to_string(10 + i) + ": Spieler (1)") + "\r\n";
    writeBytes(p.prog / ListName, list);
    const Snapshot before = snapshot(p);
    const fs::path report = p.prog / "bericht";
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        rlimit limit{};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        const rlim_t old = limit.rlim_cur;
        limit.rlim_cur = list.size() + 10;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const DialogRun run = openDialog(p, true);
        limit.rlim_cur = old;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        {
            std::ofstream text(report);
            for (const auto& m : run.messages)
                text << m << "\n";
            text << run.listed << "\n";
        }
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status)) << "killed by signal " << WTERMSIG(status);
    EXPECT_EQ(bytesOf(report),
              expand("{P}/Punkte.lst: die Datei würde größer, als erlaubt ist" + Instead, p) + "\n31\n");
    fs::remove(report);
    expectUntouched(before, snapshot(p), UserListed);
    EXPECT_EQ(decoded(p.userList()), std::vector<std::string>{Entry});
}

// An old list whose first line no score could have written is converted once, said once,
// and then left alone.
TEST(HostileWrites, AnUnconvertibleOldFirstLineIsToldOnceAndNotRewrittenAgain)
{
    test::ProgramDir prog, user;
    Places p{prog.path(), user.path(), user.path()};
    writeBytes(p.prog / ListName, encoded("00-15: Pilot") + "\r\n" + encoded("00150: Gast") + "\r\n");
    const DialogRun first = openDialog(p, false);
    const std::string told = "Die erste Zeile der Punkteliste {P}/Punkte.lst hat das alte Format, lässt sich aber "
                             "nicht umwandeln: \"00-15: Pilot\". Sie bleibt, wie sie ist.";
    EXPECT_EQ(first.messages, std::vector<std::string>{expand(told, p)}) << first.transcript;
    const std::string converted = encoded("00-15: Pilot") + "\r\n" + encoded("000150: Gast") + "\r\n";
    ASSERT_EQ(bytesOf(p.prog / ListName), converted);
    fs::create_hard_link(p.prog / ListName, p.prog / "zweiter-name");
    const DialogRun second = openDialog(p, false);
    EXPECT_TRUE(second.messages.empty()) << second.transcript;
    EXPECT_EQ(second.listed, 2);
    EXPECT_EQ(fs::hard_link_count(p.prog / ListName), 2u) << "the list was rewritten again";
    EXPECT_EQ(bytesOf(p.prog / ListName), converted);
}

// Both locks held: the entry is written by a process of its own once the lock is free.
TEST(HostileWrites, AnEntryWaitsForAHeldLockWithoutTheWindowWaiting)
{
    test::ProgramDir prog, user, out;
    Places p{prog.path(), user.path(), out.path()};
    writeBytes(p.prog / ListName, encoded("000100: Schon da (1)") + "\r\n");
    fs::create_directories(p.userList());
    writeBytes(p.userList() / ListName, encoded("000200: Beim Spieler (1)"));
    holdLock(p);
    const int userLock = ::open((p.userList() / LockName).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    ASSERT_EQ(::flock(userLock, LOCK_EX), 0);
    const Snapshot before = snapshot(p);
    const DialogRun run = openDialog(p, true);
    const std::string busy = "/Punkte.lock: die Punkteliste ist von einem anderen Spiel gesperrt";
    EXPECT_EQ(run.messages,
              (std::vector<std::string>{p.prog.string() + busy + ".",
                                        p.userList().string() + busy +
                                            ". Der Punktestand wird eingetragen, sobald die Sperre frei ist."}))
        << run.transcript;
    EXPECT_EQ(run.listed, 2);
    expectUntouched(before, snapshot(p), {});
    ::close(userLock);
    ::close(p.heldLock);
    // Waits as long as it takes; should it never come, the ctest timeout ends the test.
    while (decoded(p.userList()).size() < 2)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(decoded(p.userList()), (std::vector<std::string>{"000200: Beim Spieler (1)", Entry}));
    EXPECT_EQ(bytesOf(p.userList() / ListName), encoded("000200: Beim Spieler (1)") + "\r\n" + encoded(Entry) + "\r\n")
        << "the torn line kept its own";
    EXPECT_EQ(bytesOf(p.prog / ListName), encoded("000100: Schon da (1)") + "\r\n");
}

// --- Episode files: the start-up dialog's OK loads Episode1.gvk.

struct EpisodeCase {
    const char* name;
    std::function<void(const fs::path& prog, const fs::path& out)> plant;
    const char* message; // after "Die Episode kann nicht geladen werden: {P}/Episode1.gvk: "; nullptr: loads
};

void PrintTo(const EpisodeCase& c, std::ostream* os)
{
    *os << c.name;
}

std::string longField()
{
    return "1\r\n3,1200," + std::string(500'000, '9') + ",20,-15\r\n\r\n";
}

const EpisodeCase EpisodeCases[] = {
    {"Missing", [](const fs::path& p, const fs::path&) { fs::remove(p / "Episode1.gvk"); }, "Die Datei fehlt."},
    {"LongFieldIsQuotedShort", [](const fs::path& p, const fs::path&) { writeBytes(p / "Episode1.gvk", longField()); },
     nullptr},
    {"MarkupStaysText",
     [](const fs::path& p, const fs::path&) {
         writeBytes(p / "Episode1.gvk", "1\r\n<img src=x><a href=y>\n,1200,400,20,-15\r\n\r\n");
     },
     "Zeile 2: Die Bildnummer \"<img src=x><a href=y> \" muss zwischen 1 und 12 liegen."},
};

class HostileEpisodes : public testing::TestWithParam<EpisodeCase> {
protected:
    test::ProgramDir prog, out;
};

TEST_P(HostileEpisodes, MessageOnOneLine)
{
    const EpisodeCase& c = GetParam();
    c.plant(prog.path(), out.path());
    const test::SimRun run = test::runSimIn(prog.path(), "click lblOK\nlog\nwindows\n");
    std::vector<std::string> messages;
    for (const auto& line : run.lines)
        if (line.rfind("message ", 0) == 0)
            messages.push_back(line.substr(8));
    const std::string head = "Die Episode kann nicht geladen werden: " + (prog.path() / "Episode1.gvk").string() + ": ";
    if (c.message && !*c.message) {
        EXPECT_TRUE(messages.empty()) << test::transcript(run);
        EXPECT_EQ(run.lines.back(), "frmHaupt") << test::transcript(run);
        return;
    }
    ASSERT_EQ(messages.size(), 1u) << test::transcript(run).substr(0, 2000);
    if (c.message) {
        EXPECT_EQ(messages[0], head + c.message);
    } else {
        EXPECT_EQ(messages[0],
                  head + "Zeile 2: Der Wert Y \"" + std::string(60, '9') + "…\" liegt außerhalb von -32768 bis 32767.");
    }
    EXPECT_EQ(run.lines.back(), "frmHaupt frmNeu") << "the start-up dialog stays";
}

INSTANTIATE_TEST_SUITE_P(Cases, HostileEpisodes, testing::ValuesIn(EpisodeCases),
                         [](const testing::TestParamInfo<EpisodeCase>& info) { return info.param.name; });

} // namespace
} // namespace gravok
