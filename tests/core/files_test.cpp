// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Opening files: what is not a regular file is named, nothing blocks, reads stop at a limit.
#include <gtest/gtest.h>

#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include "core/files.h"
#include "sim_support.h"

namespace gravok {
namespace {

namespace fs = std::filesystem;

using test::bindSocket;

TEST(Files, OnlyRegularFilesAreOpenedAndEveryOtherKindIsNamed)
{
    const test::ProgramDir d;
    const fs::path p = d.path();
    std::ofstream(p / "datei") << "inhalt";
    fs::create_directory(p / "ordner");
    ASSERT_EQ(::mkfifo((p / "pipe").c_str(), 0644), 0);
    bindSocket(p / "sock");
    fs::create_symlink(p / "datei", p / "verweis");
    fs::create_symlink(p / "fehlt", p / "ins-leere");
    const char* link = "das ist ein symbolischer Verweis, dem das Spiel nicht folgt";
    const struct {
        fs::path path;
        int flags;
        Links links;
        const char* reason; // nullptr: opened
    } cases[] = {
        {p / "datei", O_RDONLY, Links::Refuse, nullptr},
        {p / "verweis", O_RDONLY, Links::Follow, nullptr},
        {p / "verweis", O_RDONLY, Links::Refuse, link},
        {p / "verweis", O_WRONLY | O_APPEND, Links::Refuse, link},
        {p / "ins-leere", O_RDONLY, Links::Follow, "die Datei oder das Verzeichnis fehlt"},
        {p / "ordner", O_RDONLY, Links::Follow, "das ist ein Verzeichnis, keine gewöhnliche Datei"},
        {p / "ordner", O_RDWR, Links::Refuse, "das ist ein Verzeichnis, keine gewöhnliche Datei"},
        // Without a writer (reading) or a reader (writing): either would block a plain open.
        {p / "pipe", O_RDONLY, Links::Follow, "das ist eine benannte Pipe (FIFO), keine gewöhnliche Datei"},
        {p / "pipe", O_WRONLY, Links::Refuse, "das ist eine benannte Pipe (FIFO), keine gewöhnliche Datei"},
        {p / "sock", O_RDONLY, Links::Follow, "das ist ein Socket, keine gewöhnliche Datei"},
        {p / "fehlt", O_RDONLY, Links::Follow, "die Datei oder das Verzeichnis fehlt"},
    };
    for (const auto& c : cases) {
        const Opened file = openRegular(c.path, c.flags, c.links);
        if (!c.reason) {
            ASSERT_TRUE(file.fd.ok()) << c.path << ": " << file.reason();
            EXPECT_EQ(::fcntl(file.fd.get(), F_GETFL) & O_NONBLOCK, 0) << "left non-blocking";
        } else {
            EXPECT_FALSE(file.fd.ok()) << c.path;
            EXPECT_EQ(file.reason(), c.reason) << c.path;
        }
    }
}

TEST(Files, ReadsStopAtTheirLimit)
{
    const test::ProgramDir d;
    const fs::path f = d.path() / "f";
    std::ofstream(f, std::ios::binary) << std::string(1000, 'x');
    EXPECT_EQ(readBounded(f, 1000, Links::Refuse).bytes, std::string(1000, 'x'));
    const ReadResult over = readBounded(f, 999, Links::Refuse);
    EXPECT_FALSE(over.bytes);
    EXPECT_EQ(over.reason, "die Datei ist größer als 999 Bytes");
    EXPECT_EQ(sizeText(64u << 20), "64 MiB");
    EXPECT_EQ(sizeText(64u << 10), "64 KiB");
}

// The newest end of a file, from a line's start: a line cut by the limit goes whole.
TEST(Files, ATailStartsAtALine)
{
    const test::ProgramDir d;
    const fs::path f = d.path() / "f";
    std::ofstream(f, std::ios::binary) << "aa\nbb\ncc\n";
    for (const auto& [limit, tail] : {std::pair<std::size_t, const char*>{9, "aa\nbb\ncc\n"},
                                      {20, "aa\nbb\ncc\n"},
                                      {6, "bb\ncc\n"},
                                      {5, "cc\n"},
                                      {3, "cc\n"},
                                      {2, ""}})
        EXPECT_EQ(readTail(f, limit, Links::Refuse).bytes, tail) << limit;
}

TEST(Files, NoErrorIsToldInTheCLibrarysEnglish)
{
    for (int e = 1; e < 134; ++e) {
        const std::string text = errnoText(e);
        EXPECT_EQ(text.find(std::strerror(e)), std::string::npos) << e << ": " << text;
        EXPECT_FALSE(text.empty());
    }
    EXPECT_EQ(errnoText(ENOSPC), "der Datenträger ist voll");
    EXPECT_EQ(errnoText(EFBIG), "die Datei würde größer, als erlaubt ist");
    EXPECT_EQ(errnoText(EOVERFLOW), "Systemfehler Nummer " + std::to_string(EOVERFLOW));
}

TEST(Files, QuotesAreShortAndStayOnOneLine)
{
    const struct {
        std::string text;
        const char* quoted;
    } cases[] = {
        {"abc", "\"abc\""},
        {"", "\"\""},
        {"a\nb\rc\td", "\"a b c d\""},
        {"<img src=x>", "\"<img src=x>\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(quoteText(c.text), c.quoted);
    EXPECT_EQ(quoteText(std::string(60, '9')), "\"" + std::string(60, '9') + "\"");
    EXPECT_EQ(quoteText(std::string(10'000'000, '9')), "\"" + std::string(60, '9') + "…\"");
    // Sixty characters, not bytes: an umlaut is not cut in half.
    std::string umlauts;
    for (int i = 0; i < 70; ++i)
        umlauts += "ä";
    std::string sixty;
    for (int i = 0; i < 60; ++i)
        sixty += "ä";
    EXPECT_EQ(quoteText(umlauts), "\"" + sixty + "…\"");
}

} // namespace
} // namespace gravok
