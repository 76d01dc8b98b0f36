// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The list file on a real file system: missing files, damage, and directories that cannot
// be written. The lock between two games is met in the hostile tests.
//
// Tests run as root in CI, where permission bits stop nothing. A program directory that
// cannot take the list is made by putting a directory where the lock file belongs (no one,
// root included, can open a directory for writing), and a per-user directory that cannot be
// created by pointing XDG_DATA_HOME below a regular file.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "scores/list_places.h"
#include "sim_support.h"

namespace gravok {
namespace {

namespace fs = std::filesystem;
using test::bytesOf;
using test::encoded;
using test::writeBytes;

std::vector<std::string> decodedLines(const fs::path& dir)
{
    DecodedList out;
    decodeInto(out, readList(dir).lines, Kodierer{});
    return out.entries;
}

const ListChange Convert = [](const std::vector<std::string>& lines) { return convertedList(lines, Kodierer{}); };

class ListFile : public testing::Test {
protected:
    fs::path dir() const { return program.path(); }
    fs::path list() const { return dir() / ListName; }

    test::ProgramDir program, user;
    test::EnvGuard env{"XDG_DATA_HOME", user.path().string()};
};

// Lines end at CR, CR LF or LF, as other editors save them; a last line without its end,
// torn by a crash, keeps a line of its own, and a lone CR counts as an end.
TEST_F(ListFile, TheNextEntryGoesOnALineOfItsOwn)
{
    EXPECT_TRUE(readList(dir()).lines.empty());
    EXPECT_FALSE(readList(dir()).problem);
    EXPECT_FALSE(fs::exists(list())) << "reading created the list";
    const struct {
        const char* before; // nullptr: no file
        std::vector<std::string> lines;
        const char* after; // once "F" was added
    } cases[] = {{nullptr, {}, "F\r\n"},
                 {"", {}, "F\r\n"},
                 {"A\rB\r\nC\nD\r\r\nE", {"A", "B", "C", "D", "E"}, "A\rB\r\nC\nD\r\r\nE\r\nF\r\n"},
                 {"A\r", {"A"}, "A\rF\r\n"},
                 {"A\r\n0A1B2C", {"A", "0A1B2C"}, "A\r\n0A1B2C\r\nF\r\n"}};
    for (const auto& c : cases) {
        fs::remove(list());
        if (c.before)
            writeBytes(list(), c.before);
        EXPECT_EQ(readList(dir()).lines, c.lines) << c.before;
        ASSERT_FALSE(appendLine(dir(), "F"));
        EXPECT_EQ(bytesOf(list()), c.after) << c.before;
    }
}

// A line added to a list at its size limit could never be read back: it is refused there,
// one byte below the limit it still goes in.
TEST_F(ListFile, AListAtItsLimitTakesNoMoreLines)
{
    for (const auto& [size, takes] : {std::pair{MaxListBytes, false}, std::pair{MaxListBytes - 1, true}}) {
        writeBytes(list(), "");
        fs::resize_file(list(), size);
        EXPECT_EQ(!appendLine(dir(), "ABCD"), takes) << size;
        EXPECT_EQ(fs::file_size(list()), takes ? size + 8 : size) << size; // "\r\n" closes the zeros first
    }
}

// A second name for the old file shows that the list is replaced, never written in place, so
// a converter killed at any moment leaves the old list or the new one, each whole.
TEST_F(ListFile, ConversionReplacesTheListWithoutTouchingTheOldFile)
{
    const std::string old = encoded("00150: Pilot") + "\r\nFFFF0000\r\n" + encoded("-0040: Gast") + "\r\n";
    writeBytes(list(), old);
    writeBytes(dir() / TempName, "left over from a crash");
    fs::create_hard_link(list(), dir() / "Punkte.alt");
    ASSERT_FALSE(rewriteList(dir(), Convert));
    EXPECT_EQ(bytesOf(dir() / "Punkte.alt"), old);
    EXPECT_FALSE(fs::exists(dir() / TempName));
    EXPECT_EQ(bytesOf(list()), encoded("000150: Pilot") + "\r\nFFFF0000\r\n" + encoded("-00040: Gast") + "\r\n");
    ASSERT_FALSE(rewriteList(dir(), Convert));
    EXPECT_EQ(fs::hard_link_count(list()), 1u) << "a current list was rewritten again";
}

// In a program directory others may write, the lock and the list stay writable for them,
// whoever created or rewrote them; in one only the owner may write, they stay private. A
// conversion makes a new file; it must not fall back to the converter's umask.
TEST_F(ListFile, FilesInASharedDirectoryStayWritableForEveryoneWhoMayWriteIt)
{
    const mode_t oldMask = ::umask(022);
    for (const auto& [dirPerms, filePerms] : {std::pair{0777, 0666}, std::pair{0775, 0664}, std::pair{0755, 0644}}) {
        const test::ProgramDir shared;
        fs::permissions(shared.path(), fs::perms(dirPerms));
        ASSERT_FALSE(appendLine(shared.path(), encoded("00150: Alt")));
        EXPECT_EQ(fs::status(shared.path() / LockName).permissions(), fs::perms(filePerms));
        EXPECT_EQ(fs::status(shared.path() / ListName).permissions(), fs::perms(filePerms));
        fs::permissions(shared.path() / ListName, fs::perms(0644));
        ASSERT_FALSE(rewriteList(shared.path(), Convert));
        EXPECT_EQ(decodedLines(shared.path()), std::vector<std::string>{"000150: Alt"});
        EXPECT_EQ(fs::status(shared.path() / ListName).permissions(), fs::perms(filePerms));
    }
    ::umask(oldMask);
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

    // Nothing can be written: every place is named with its reason.
    writeBytes(user.path() / "datei", "");
    const test::EnvGuard below{"XDG_DATA_HOME", (user.path() / "datei").string()};
    const EntryResult none = appendEntry(findPlaces(dir(), userDataDir()), encoded("000200: X (1)"));
    EXPECT_TRUE(none.writtenTo.empty());
    ASSERT_EQ(none.problems.size(), 2u);
    EXPECT_EQ(none.problems[0].path, dir() / LockName);
    EXPECT_EQ(none.problems[0].reason, "das ist ein Verzeichnis, keine gewöhnliche Datei");
    EXPECT_EQ(none.problems[1].path, user.path() / "datei" / "gravok");
    EXPECT_EQ(none.problems[1].reason, "ein Teil des Pfads ist kein Verzeichnis");
}

// An installed game keeps the list in the player's own directory, root or not, and creates
// nothing beside the program even where it could; the same folder in a build tree takes the
// list itself.
TEST_F(ListFile, AnInstalledGameWritesTheListOnlyForTheUser)
{
    const fs::path home = user.path() / "own";
    writeBytes(list(), encoded("000100: Alt (1)") + "\r\n");
    fs::remove(dir() / "Episode1.gvk");
    const ListPlaces places = findPlaces(dir(), home, true);
    EXPECT_EQ(places.home, home);
    EXPECT_EQ(places.read, (std::vector<fs::path>{dir(), home}));
    EXPECT_FALSE(places.programProblem);
    const EntryResult entry = appendEntry(places, encoded("000200: Neu (1)"));
    EXPECT_TRUE(entry.problems.empty());
    EXPECT_EQ(entry.writtenTo, home);
    EXPECT_EQ(decodedLines(home), std::vector<std::string>{"000200: Neu (1)"});
    EXPECT_EQ(std::distance(fs::directory_iterator(dir()), fs::directory_iterator()), 1);
    EXPECT_EQ(findPlaces(dir(), home, false).home, dir());
}

} // namespace
} // namespace gravok
