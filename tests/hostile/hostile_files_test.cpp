// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Files planted by an attacker or left by bad luck, met through the harness as the player
// meets them: the message the dialog gives, and every file in the program directory, the
// player's directory and a directory outside both, compared byte for byte before and after.
// A case that hangs fails by the TIMEOUT its ctest entry carries.
#include "sim_support.h"

namespace gravok {
namespace {

namespace fs = std::filesystem;
using test::bytesOf;
using test::encoded;
using test::listEntries;
using test::writeBytes;

// Another game holding a lock: a lock on a descriptor of the test's own.
int holdLock(const fs::path& dir)
{
    fs::create_directories(dir);
    const int fd = ::open((dir / LockName).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    EXPECT_EQ(::flock(fd, LOCK_EX), 0);
    return fd;
}

const std::string Entry = "000000: Tester (1)";
const std::string Link = "das ist ein symbolischer Verweis, dem das Spiel nicht folgt";
const std::string Instead = ". Der Punktestand steht stattdessen in {U}/Punkte.lst.";
const std::set<std::string> UserListed = {"user/gravok", "user/gravok/Punkte.lst", "user/gravok/Punkte.lock",
                                          "prog/Punkte.lock"};

// The program directory, the player's, and one outside both.
class Hostile : public testing::Test {
protected:
    Hostile() { fs::remove(user.path() / "Episode1.gvk"); }
    fs::path prog() const { return progDir.path(); }
    fs::path userList() const { return user.path() / "gravok"; }

    // What every entry in the three places is, keyed "prog/…", "user/…", "out/…".
    std::map<std::string, std::string> snapshot() const
    {
        std::map<std::string, std::string> shot;
        for (const auto& [name, root] : {std::pair{"prog", prog()}, {"user", user.path()}, {"out", out.path()}})
            for (const auto& e : fs::recursive_directory_iterator(root))
                shot[std::string(name) + "/" + e.path().lexically_relative(root).string()] = test::identity(e.path());
        return shot;
    }

    // "{P}" stands for the program directory, "{U}" for the player's list directory.
    std::string expand(std::string text) const
    {
        for (const auto& [mark, path] : {std::pair{"{P}", prog()}, {"{U}", userList()}}) {
            for (std::size_t at; (at = text.find(mark)) != std::string::npos;)
                text.replace(at, 3, path.string());
        }
        return text;
    }

    // Runs the game to the high-score dialog (with an entry for "Tester" when ENTRY): the
    // messages it gave, and how many entries it lists on the last line.
    std::vector<std::string> openDialog(bool entry) const
    {
        const test::EnvGuard env("XDG_DATA_HOME", user.path().string());
        const std::string script = std::string("click lblOK\nlog\n") + (entry ? "set PunkteEintragen True\n" : "") +
                                   "click lblHighscore\n" + (entry ? "input Tester\n" : "") +
                                   "log\nget Liste.ListCount\nkey Enter\n";
        const test::SimRun run = test::runSimIn(prog(), script);
        std::vector<std::string> told;
        for (const auto& line : run.lines) {
            if (line.starts_with("message "))
                told.push_back(line.substr(8));
            else if (!line.empty() && std::isdigit(static_cast<unsigned char>(line[0])))
                told.push_back(line);
        }
        EXPECT_EQ(run.status, 0) << run.transcript();
        return told;
    }

    // The dialog says exactly TOLD (its last entry the count it lists); every entry not
    // named in MAY_CHANGE is as it was, none appeared elsewhere; the player's list holds
    // USER_ENTRIES afterwards.
    void expectRun(bool entry, std::vector<std::string> told, const std::set<std::string>& mayChange,
                   const std::vector<std::string>& userEntries)
    {
        const auto before = snapshot();
        for (auto& t : told)
            t = expand(t);
        EXPECT_EQ(openDialog(entry), told);
        const auto after = snapshot();
        for (const auto& [key, value] : before)
            EXPECT_TRUE(mayChange.count(key) || (after.count(key) && after.at(key) == value)) << key << " changed";
        for (const auto& [key, value] : after)
            EXPECT_TRUE(mayChange.count(key) || before.count(key)) << key << " appeared";
        EXPECT_EQ(listEntries(userList()), userEntries);
    }

    test::ProgramDir progDir, user, out;
};

TEST_F(Hostile, TempLinkIsRemovedNotWrittenThrough)
{
    writeBytes(prog() / ListName, encoded("00150: Pilot") + "\r\n");
    writeBytes(out.path() / "opfer", "fremde Daten\n");
    fs::create_symlink(out.path() / "opfer", prog() / TempName);
    expectRun(false, {"1"}, {"prog/Punkte.lst", "prog/Punkte.tmp", "prog/Punkte.lock"}, {});
    EXPECT_EQ(bytesOf(prog() / ListName), encoded("000150: Pilot") + "\r\n");
    EXPECT_FALSE(fs::is_symlink(prog() / ListName));
    EXPECT_FALSE(fs::exists(fs::symlink_status(prog() / TempName)));
}

// A link planted as the lock is not followed; the entry goes to the player's list. Links and
// pipes planted as the list itself are refused by the file door, as door_test shows.
TEST_F(Hostile, LockLinkIsNotFollowed)
{
    fs::create_symlink(out.path() / "angelegt", prog() / LockName);
    expectRun(true, {"{P}/Punkte.lock: " + Link + Instead, "1"},
              {"user/gravok", "user/gravok/Punkte.lst", "user/gravok/Punkte.lock"}, {Entry});
}

TEST_F(Hostile, AHeldLockSendsTheEntryToThePlayersListAndTheListStillShows)
{
    writeBytes(prog() / ListName, encoded("000100: Schon da (1)") + "\r\n");
    const int lock = holdLock(prog());
    expectRun(true, {"{P}/Punkte.lock: die Punkteliste ist von einem anderen Spiel gesperrt" + Instead, "2"},
              UserListed, {Entry});
    ::close(lock);
}

TEST_F(Hostile, EntriesInBothPlacesAreShown)
{
    writeBytes(prog() / ListName, encoded("000100: Beim Programm (1)") + "\r\n");
    fs::create_directories(userList());
    writeBytes(userList() / ListName, encoded("000200: Beim Spieler (1)") + "\r\n");
    expectRun(true, {"3"}, {"prog/Punkte.lock", "prog/Punkte.lst"}, {"000200: Beim Spieler (1)"});
    EXPECT_EQ(listEntries(prog()), (std::vector<std::string>{"000100: Beim Programm (1)", Entry}));
}

TEST_F(Hostile, AListOfTooManyLinesIsRefused)
{
    std::string many;
    for (std::size_t i = 0; i <= MaxListLines; ++i)
        many += "x\r\n";
    writeBytes(prog() / ListName, many);
    expectRun(
        false,
        {"Die Punkteliste kann nicht gelesen werden: {P}/Punkte.lst: die Datei hat mehr als 1000000 Zeilen.", "0"},
        UserListed, {});
}

// A write that fails half way: under a file-size limit the append stops after a few bytes.
// The game is not killed, the program's list is cut back to its bytes before, and the entry
// goes to the player's list, which still has room.
TEST_F(Hostile, AFailedAppendLeavesTheListAsItWasAndKeepsTheEntry)
{
    std::string list;
    for (int i = 0; i < 30; ++i)
        list += encoded("0001" + std::to_string(10 + i) + ": Spieler (1)") + "\r\n";
    writeBytes(prog() / ListName, list);
    const test::FileSizeLimit limit(list.size() + 10);
    expectRun(true, {"{P}/Punkte.lst: die Datei würde größer, als erlaubt ist" + Instead, "31"}, UserListed, {Entry});
}

// An old list whose first line no score could have written is converted once, said once,
// and then left alone. A game appending right now holds the lock a moment: it is waited for.
TEST_F(Hostile, AnUnconvertibleOldFirstLineIsToldOnceAndNotRewrittenAgain)
{
    writeBytes(prog() / ListName, encoded("00-15: Pilot") + "\r\n" + encoded("00150: Gast") + "\r\n");
    const int lock = holdLock(prog());
    const std::jthread appending(
        [lock] { std::this_thread::sleep_for(std::chrono::milliseconds(300)), ::close(lock); });
    EXPECT_EQ(openDialog(false), (std::vector<std::string>{
                                     expand("Die erste Zeile der Punkteliste {P}/Punkte.lst hat das alte Format, lässt "
                                            "sich aber nicht umwandeln: \"00-15: Pilot\". Sie bleibt, wie sie ist."),
                                     "2"}));
    const std::string converted = encoded("00-15: Pilot") + "\r\n" + encoded("000150: Gast") + "\r\n";
    ASSERT_EQ(bytesOf(prog() / ListName), converted);
    fs::create_hard_link(prog() / ListName, prog() / "zweiter-name");
    EXPECT_EQ(openDialog(false), std::vector<std::string>{"2"});
    EXPECT_EQ(fs::hard_link_count(prog() / ListName), 2u) << "the list was rewritten again";
    EXPECT_EQ(bytesOf(prog() / ListName), converted);
}

// Whether a process other than this one has PATH open, as the waiting process has its lock
// from its start to its end.
bool openElsewhere(const fs::path& path)
{
    std::error_code ec;
    for (fs::directory_iterator proc("/proc", ec), end; proc != end; proc.increment(ec)) {
        if (proc->path().filename() == std::to_string(::getpid()))
            continue;
        for (fs::directory_iterator fd(proc->path() / "fd", ec); !ec && fd != end; fd.increment(ec))
            if (fs::read_symlink(fd->path(), ec) == path)
                return true;
    }
    return false;
}

// Both locks held: the entry is written by a process of its own once the lock is free, the
// torn last line of the player's list keeping its own line. Should that process's write
// fail half way (under a file-size limit it inherits), the list is cut back to what it was.
TEST_F(Hostile, AnEntryWaitsForAHeldLockWithoutTheWindowWaiting)
{
    writeBytes(prog() / ListName, encoded("000100: Schon da (1)") + "\r\n");
    const int progLock = holdLock(prog()), userLock = holdLock(userList());
    writeBytes(userList() / ListName, encoded("000200: Beim Spieler (1)"));
    const std::string busy = "/Punkte.lock: die Punkteliste ist von einem anderen Spiel gesperrt";
    expectRun(
        true,
        {"{P}" + busy + ".", "{U}" + busy + ". Der Punktestand wird eingetragen, sobald die Sperre frei ist.", "2"}, {},
        {"000200: Beim Spieler (1)"});
    ::close(progLock);
    // Waits as long as it takes; should the process never start or never end, the ctest
    // timeout ends the test.
    const auto releaseAndWait = [this](int lock) {
        while (!openElsewhere(userList() / LockName))
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        ::close(lock);
        while (openElsewhere(userList() / LockName))
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    };
    releaseAndWait(userLock);
    const std::string listed = encoded("000200: Beim Spieler (1)") + "\r\n" + encoded(Entry) + "\r\n";
    EXPECT_EQ(bytesOf(userList() / ListName), listed);
    EXPECT_EQ(bytesOf(prog() / ListName), encoded("000100: Schon da (1)") + "\r\n");

    const int held = holdLock(userList());
    {
        const test::FileSizeLimit limit(listed.size() + 4);
        EXPECT_TRUE(appendWhenFree(userList(), encoded(Entry)));
    }
    releaseAndWait(held);
    EXPECT_EQ(bytesOf(userList() / ListName), listed);
}

// Episode files: the start-up dialog's OK loads Episode1.gvk; what it says is on one line,
// a long field quoted short and markup kept as text, and the dialog stays.
TEST_F(Hostile, EpisodeMessagesStayOnOneLine)
{
    const std::string head = "Die Episode kann nicht geladen werden: {P}/Episode1.gvk: ";
    const std::pair<std::string, std::string> cases[] = {
        {"", head + "Die Datei fehlt."},
        {"1\r\n3,1200," + std::string(500'000, '9') + ",20,-15\r\n\r\n",
         head + "Zeile 2: Der Wert Y \"" + std::string(60, '9') + "…\" liegt außerhalb von -32768 bis 32767."},
        {"1\r\n<img src=x><a href=y>\n,1200,400,20,-15\r\n\r\n",
         head + "Zeile 2: Die Bildnummer \"<img src=x><a href=y> \" muss zwischen 1 und 12 liegen."}};
    for (const auto& [bytes, message] : cases) {
        fs::remove(prog() / "Episode1.gvk");
        if (!bytes.empty())
            writeBytes(prog() / "Episode1.gvk", bytes);
        const test::SimRun run = test::runSimIn(prog(), "click lblOK\nlog\nwindows\n");
        std::vector<std::string> messages;
        std::copy_if(run.lines.begin(), run.lines.end(), std::back_inserter(messages),
                     [](const std::string& l) { return l.starts_with("message "); });
        EXPECT_EQ(messages, std::vector<std::string>{"message " + expand(message)});
        EXPECT_EQ(run.lines.back(), "frmHaupt frmNeu") << "the start-up dialog stays";
    }
}

} // namespace
} // namespace gravok
