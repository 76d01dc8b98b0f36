// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Opening files: what is not a regular file is named, nothing blocks, reads stop at a limit;
// and where an installed game finds its files.
#include <gtest/gtest.h>

#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include "core/files.h"
#include "episodes/episode_laden.h"
#include "info/help.h"
#include "sim_support.h"

namespace gravok {
namespace {

namespace fs = std::filesystem;
using test::writeBytes;

TEST(Files, OnlyRegularFilesAreOpenedAndEveryOtherKindIsNamed)
{
    const test::ProgramDir d;
    const fs::path p = d.path();
    writeBytes(p / "datei", "inhalt");
    fs::create_directory(p / "ordner");
    ASSERT_EQ(::mkfifo((p / "pipe").c_str(), 0644), 0);
    const int s = ::socket(AF_UNIX, SOCK_STREAM, 0); // its name stays, with no one listening
    sockaddr_un addr{AF_UNIX, {}};
    std::strcpy(addr.sun_path, (p / "sock").c_str());
    ASSERT_EQ(::bind(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    ::close(s);
    fs::create_symlink(p / "datei", p / "verweis");
    fs::create_symlink(p / "fehlt", p / "ins-leere");
    const std::string link = "das ist ein symbolischer Verweis, dem das Spiel nicht folgt",
                      folder = "das ist ein Verzeichnis, keine gewöhnliche Datei",
                      pipe = "das ist eine benannte Pipe (FIFO), keine gewöhnliche Datei",
                      missing = "die Datei oder das Verzeichnis fehlt";
    // A pipe without a writer (reading) or a reader (writing) would block a plain open.
    const struct {
        const char* name;
        int flags;
        Links links;
        std::string reason; // "": opened
    } cases[] = {{"datei", O_RDONLY, Links::Refuse, ""},
                 {"verweis", O_RDONLY, Links::Follow, ""},
                 {"verweis", O_RDONLY, Links::Refuse, link},
                 {"verweis", O_WRONLY | O_APPEND, Links::Refuse, link},
                 {"ins-leere", O_RDONLY, Links::Follow, missing},
                 {"ordner", O_RDONLY, Links::Follow, folder},
                 {"ordner", O_RDWR, Links::Refuse, folder},
                 {"pipe", O_RDONLY, Links::Follow, pipe},
                 {"pipe", O_WRONLY, Links::Refuse, pipe},
                 {"sock", O_RDONLY, Links::Follow, "das ist ein Socket, keine gewöhnliche Datei"},
                 {"fehlt", O_RDONLY, Links::Follow, missing}};
    for (const auto& c : cases) {
        const Opened file = openRegular(p / c.name, c.flags, c.links);
        EXPECT_EQ(file.fd.ok(), c.reason.empty()) << c.name;
        if (file.fd.ok())
            EXPECT_EQ(::fcntl(file.fd.get(), F_GETFL) & O_NONBLOCK, 0) << "left non-blocking";
        else
            EXPECT_EQ(file.reason(), c.reason) << c.name;
    }
}

// Reads stop at their limit; the newest end of a file starts at a line, and a line cut by
// the limit goes whole.
TEST(Files, ReadsStopAtTheirLimitAndATailStartsAtALine)
{
    const test::ProgramDir d;
    const fs::path f = d.path() / "f";
    writeBytes(f, std::string(1000, 'x'));
    EXPECT_EQ(readBounded(f, 1000, Links::Refuse).bytes, std::string(1000, 'x'));
    const ReadResult over = readBounded(f, 999, Links::Refuse);
    EXPECT_FALSE(over.bytes);
    EXPECT_EQ(over.reason, "die Datei ist größer als 999 Bytes");
    EXPECT_EQ(sizeText(64u << 20), "64 MiB");
    EXPECT_EQ(sizeText(64u << 10), "64 KiB");
    writeBytes(f, "aa\nbb\ncc\n");
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

// Sixty characters, not bytes: an umlaut is not cut in half.
TEST(Files, QuotesAreShortAndStayOnOneLine)
{
    std::string seventy, sixty;
    for (int i = 0; i < 70; ++i)
        (i < 60 ? sixty : seventy) += "ä";
    const std::pair<std::string, std::string> cases[] = {
        {"abc", "\"abc\""},
        {"", "\"\""},
        {"a\nb\rc\td", "\"a b c d\""},
        {"<img src=x>", "\"<img src=x>\""},
        {std::string(60, '9'), "\"" + std::string(60, '9') + "\""},
        {std::string(10'000'000, '9'), "\"" + std::string(60, '9') + "…\""},
        {sixty + seventy, "\"" + sixty + "…\""}};
    for (const auto& [text, quoted] : cases)
        EXPECT_EQ(quoteText(text), quoted);
}

// An installed game: executables in one folder, episodes and help file in a data folder it
// only reads. Files are found beside the program first, then in the data folder; a missing
// one is named at the program's place, and a build tree has no data folder.
TEST(Installed, FilesAreFoundBesideTheProgramFirstThenInTheDataFolder)
{
    const test::ProgramDir root;
    const fs::path program = root.path() / "program", data = root.path() / "data";
    fs::create_directory(program);
    fs::create_directory(data);
    RecordingPlatform platform(program);
    const struct {
        const char* name;
        bool inProgram, inData, installed;
        fs::path expected;
    } cases[] = {{"A.gvk", true, false, true, program},
                 {"B.gvk", true, true, true, program},
                 {"C.gvk", false, true, true, data},
                 {"D.gvk", false, false, true, program},
                 {"E.gvk", false, true, false, program}};
    for (const auto& c : cases) {
        if (c.inProgram)
            writeBytes(program / c.name, "");
        if (c.inData)
            writeBytes(data / c.name, "");
        platform.installedData = c.installed ? data : fs::path();
        EXPECT_EQ(platform.gameFile(c.name), c.expected / c.name) << c.name;
    }
    // The help viewer is an executable, so it stays beside the game; its file lies in the data folder.
    writeBytes(data / "Episode1.gvk", "1\r\n3,1200,400,20,-15\r\n\r\n");
    writeBytes(data / "Gravok.quh", "<html></html>");
    platform.installedData = data;
    Game game(platform);
    EXPECT_EQ(EpisodeLaden(game, 1), std::nullopt);
    EXPECT_EQ(game.Start.AnzahlLevel, 1);
    platform.takeLog();
    HilfeOeffnen(game, "Info");
    EXPECT_EQ(platform.takeLog(), (std::vector<std::string>{"start " + (program / "zedezora").string() + " " +
                                                            (data / "Gravok.quh").string() + ", Info"}));
}

} // namespace
} // namespace gravok
