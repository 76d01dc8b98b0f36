// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The list file on a real file system: missing files, damage, crashes, two games at once,
// and directories that cannot be written.
//
// Tests run as root in CI, where permission bits stop nothing. A program directory that
// cannot take the list is made by putting a directory where the lock file belongs (no one,
// root included, can open a directory for writing), and a per-user directory that cannot be
// created by pointing XDG_DATA_HOME below a regular file. The permission-bit case runs too
// when the tests run as an ordinary user.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fstream>
#include <set>
#include <thread>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "scores/list_places.h"
#include "scores/score_list.h"
#include "sim_support.h"

namespace gravok {
namespace {

namespace fs = std::filesystem;

using test::bytesOf;
using test::encoded;
using test::writeBytes;

using test::EnvGuard;

class ListFile : public testing::Test {
protected:
    fs::path dir() const { return program.path(); }
    fs::path list() const { return dir() / ListName; }
    std::vector<std::string> decodedLines(const fs::path& d)
    {
        DecodedList out;
        decodeInto(out, readList(d).lines, Kodierer{});
        return out.entries;
    }

    test::ProgramDir program;
    test::ProgramDir user;
    EnvGuard env{"XDG_DATA_HOME", user.path().string()};
};

TEST_F(ListFile, AMissingOrEmptyListIsEmptyAndTheFirstEntryCreatesIt)
{
    EXPECT_TRUE(readList(dir()).lines.empty());
    EXPECT_FALSE(readList(dir()).problem);
    EXPECT_FALSE(fs::exists(list())) << "reading created the list";
    std::ofstream(list()).close();
    EXPECT_TRUE(readList(dir()).lines.empty());
    ASSERT_FALSE(appendLine(dir(), "ABCD"));
    EXPECT_EQ(bytesOf(list()), "ABCD\r\n");
}

// A line added to a list at its size limit could never be read back: it is refused there,
// one byte below the limit it still goes in.
TEST_F(ListFile, AListAtItsLimitTakesNoMoreLines)
{
    for (const auto& [size, takes] : {std::pair{MaxListBytes, false}, std::pair{MaxListBytes - 1, true}}) {
        writeBytes(list(), "");
        fs::resize_file(list(), size);
        const auto problem = appendLine(dir(), "ABCD");
        EXPECT_EQ(!problem, takes) << size;
        EXPECT_EQ(fs::file_size(list()), takes ? size + 8 : size) << size; // "\r\n" closes the zeros first
    }
}

TEST_F(ListFile, ATornLastLineKeepsItsOwnLine)
{
    writeBytes(list(), encoded("000100: A (1)") + "\r\n" + "0A1B2C");
    ASSERT_FALSE(appendLine(dir(), encoded("000200: B (1)")));
    EXPECT_EQ(bytesOf(list()), encoded("000100: A (1)") + "\r\n0A1B2C\r\n" + encoded("000200: B (1)") + "\r\n");
    EXPECT_EQ(decodedLines(dir()), (std::vector<std::string>{"000100: A (1)", "000200: B (1)"}));
}

TEST_F(ListFile, AWriterKilledMidLineLosesOnlyItsOwnEntry)
{
    const std::string whole = encoded("000100: A (1)") + "\r\n";
    writeBytes(list(), whole);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::ofstream out(list(), std::ios::app | std::ios::binary);
        out << encoded("000999: Halb (2)").substr(0, 11) << std::flush;
        raise(SIGKILL);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    ASSERT_FALSE(appendLine(dir(), encoded("000200: B (1)")));
    DecodedList read;
    decodeInto(read, readList(dir()).lines, Kodierer{});
    EXPECT_EQ(read.entries, (std::vector<std::string>{"000100: A (1)", "000200: B (1)"}));
    EXPECT_EQ(read.unreadable, 1u);
    EXPECT_EQ(bytesOf(list()).substr(0, whole.size() + 11), whole + encoded("000999: Halb (2)").substr(0, 11));
}

// In memory (a TempDir is on a tmpfs where there is one): what is tested is the lock and the whole-line writes,
// and 2000 syncs to a disk would take seconds.
TEST_F(ListFile, TwoGamesAppendingAtOnceLoseNothing)
{
    const TempDir fast("gravok-test");
    const fs::path& dir = fast.path();
    constexpr int PerWriter = 1000;
    pid_t children[2];
    for (int w = 0; w < 2; ++w) {
        children[w] = fork();
        ASSERT_GE(children[w], 0);
        if (children[w] == 0) {
            for (int i = 0; i < PerWriter; ++i)
                if (appendLine(dir, encoded(std::to_string(w) + " " + std::to_string(i))))
                    _exit(1);
            _exit(0);
        }
    }
    for (const pid_t child : children) {
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    DecodedList read;
    decodeInto(read, readList(dir).lines, Kodierer{});
    EXPECT_EQ(read.unreadable, 0u);
    ASSERT_EQ(read.entries.size(), 2u * PerWriter);
    int next[2] = {0, 0}; // each writer's lines arrive whole and in its own order
    for (const auto& e : read.entries) {
        const int w = e[0] - '0';
        ASSERT_EQ(e, std::to_string(w) + " " + std::to_string(next[w]));
        ++next[w];
    }
}

const ListChange Convert = [](const std::vector<std::string>& lines) { return convertedList(lines, Kodierer{}); };

TEST_F(ListFile, ConversionReplacesTheListWithoutTouchingTheOldFile)
{
    const std::string damaged = "FFFF0000";
    const std::string old = encoded("00150: Pilot") + "\r\n" + damaged + "\r\n" + encoded("-0040: Gast") + "\r\n";
    writeBytes(list(), old);
    writeBytes(dir() / TempName, "left over from a crash");
    // A second name for the old file: writing the list in place would show through it.
    fs::create_hard_link(list(), dir() / "Punkte.alt");
    ASSERT_FALSE(rewriteList(dir(), Convert));
    EXPECT_EQ(bytesOf(dir() / "Punkte.alt"), old);
    EXPECT_FALSE(fs::exists(dir() / TempName));
    EXPECT_EQ(bytesOf(list()), encoded("000150: Pilot") + "\r\n" + damaged + "\r\n" + encoded("-00040: Gast") + "\r\n");
    ASSERT_FALSE(rewriteList(dir(), Convert));
    EXPECT_EQ(fs::hard_link_count(list()), 1u) << "a current list was rewritten again";
}

// Runs a conversion in a child and kills it after DELAY; how long the child lived.
std::chrono::microseconds convertAndKill(const fs::path& dir, std::chrono::microseconds delay)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0)
        _exit(rewriteList(dir, Convert) ? 1 : 0);
    if (delay.count() > 0) {
        std::this_thread::sleep_for(delay);
        kill(child, SIGKILL);
    }
    waitpid(child, nullptr, 0);
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
}

// Killed at any moment, the converter leaves the old list or the new one, each whole.
TEST_F(ListFile, AConverterKilledAtAnyPointLeavesOneWholeList)
{
    std::string old;
    std::string converted;
    for (int i = 0; i < 20000; ++i) {
        const std::string rest = std::to_string(1000 + i % 9000) + ": Spieler " + std::to_string(i);
        old += encoded("0" + rest) + "\r\n";
        converted += encoded("00" + rest) + "\r\n";
    }
    writeBytes(list(), old);
    const auto whole = convertAndKill(dir(), {});
    ASSERT_EQ(bytesOf(list()), converted);
    std::set<std::string> seen = {"new"};
    for (int tenth = 1; tenth <= 12; ++tenth) {
        writeBytes(list(), old);
        convertAndKill(dir(), whole * tenth / 10);
        const std::string now = bytesOf(list());
        ASSERT_TRUE(now == old || now == converted) << "killed after " << tenth << "/10: " << now.size() << " bytes";
        seen.insert(now == old ? "old" : "new");
    }
    EXPECT_EQ(seen.size(), 2u) << "no kill fell before the rename; the test proves little";
}

// In a program directory others may write, the lock and the list stay writable for them,
// whoever created or rewrote them; in one only the owner may write, they stay private.
TEST_F(ListFile, FilesInASharedDirectoryStayWritableForEveryoneWhoMayWriteIt)
{
    const mode_t oldMask = ::umask(022);
    const struct {
        fs::perms dir;
        fs::perms files;
    } cases[] = {
        {fs::perms(0777), fs::perms(0666)},
        {fs::perms(0775), fs::perms(0664)},
        {fs::perms(0755), fs::perms(0644)},
    };
    for (const auto& c : cases) {
        const test::ProgramDir shared;
        fs::permissions(shared.path(), c.dir);
        ASSERT_FALSE(appendLine(shared.path(), encoded("00150: Alt")));
        EXPECT_EQ(fs::status(shared.path() / LockName).permissions(), c.files);
        EXPECT_EQ(fs::status(shared.path() / ListName).permissions(), c.files);
        // A conversion makes a new file; it must not fall back to the converter's umask.
        fs::permissions(shared.path() / ListName, fs::perms(0644));
        ASSERT_FALSE(rewriteList(shared.path(), Convert));
        EXPECT_EQ(decodedLines(shared.path()), std::vector<std::string>{"000150: Alt"});
        EXPECT_EQ(fs::status(shared.path() / ListName).permissions(), c.files);
    }
    ::umask(oldMask);
}

// A list of CR-only lines, as another editor may save it, reads like one of CR LF lines.
TEST_F(ListFile, LinesEndAtCrCrLfOrLf)
{
    writeBytes(list(), "A\rB\r\nC\nD\r\r\nE");
    EXPECT_EQ(readList(dir()).lines, (std::vector<std::string>{"A", "B", "C", "D", "E"}));
    // The last line has no end: the next entry gets one of its own, and a CR counts as one.
    ASSERT_FALSE(appendLine(dir(), "F"));
    writeBytes(list(), "A\r");
    ASSERT_FALSE(appendLine(dir(), "B"));
    EXPECT_EQ(bytesOf(list()), "A\rB\r\n");
}

TEST_F(ListFile, AnUnwritableProgramDirectorySendsEntriesToTheUsersDirectory)
{
    writeBytes(list(), encoded("000100: Beim Programm (1)") + "\r\n");
    fs::create_directory(dir() / LockName);
    const ListPlaces places = findPlaces(dir(), userDataDir());
    EXPECT_EQ(places.home, user.path() / "gravok");
    EXPECT_EQ(places.read, (std::vector<fs::path>{dir(), user.path() / "gravok"}));
    const EntryResult entry = appendEntry(places, encoded("000200: Beim Spieler (1)"));
    EXPECT_EQ(entry.writtenTo, user.path() / "gravok");
    ASSERT_EQ(entry.problems.size(), 1u);
    EXPECT_EQ(entry.problems[0].path, dir() / LockName);
    EXPECT_EQ(decodedLines(user.path() / "gravok"), (std::vector<std::string>{"000200: Beim Spieler (1)"}));
    EXPECT_EQ(decodedLines(dir()), (std::vector<std::string>{"000100: Beim Programm (1)"}));
}

TEST_F(ListFile, WhenNothingCanBeWrittenEveryPlaceIsNamedWithItsReason)
{
    writeBytes(user.path() / "datei", "");
    EnvGuard below{"XDG_DATA_HOME", (user.path() / "datei").string()};
    fs::create_directory(dir() / LockName);
    const EntryResult entry = appendEntry(findPlaces(dir(), userDataDir()), encoded("000200: X (1)"));
    EXPECT_TRUE(entry.writtenTo.empty());
    const auto& problems = entry.problems;
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_EQ(problems[0].path, dir() / LockName);
    EXPECT_EQ(problems[0].reason, "das ist ein Verzeichnis, keine gewöhnliche Datei");
    EXPECT_EQ(problems[1].path, user.path() / "datei" / "gravok");
    EXPECT_EQ(problems[1].reason, "ein Teil des Pfads ist kein Verzeichnis");
}

} // namespace
} // namespace gravok
