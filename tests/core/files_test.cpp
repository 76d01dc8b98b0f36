// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Opening files: what is not a regular file is named, nothing blocks, reads stop at a limit,
// and the messages that say so; where an installed game finds its files; numbers as the
// episode files, tags and scores write them, and the episode reader on top.
#include "sim_support.h"

namespace gravok {
namespace {

namespace fs = std::filesystem;
using test::writeBytes;

// Links, pipes and folders under each of the game's file names are the door's cases
// (tests/hostile/door_test.cpp); here the other kinds, and a file opened is left blocking.
TEST(Files, OnlyRegularFilesAreOpenedAndEveryOtherKindIsNamed)
{
    const test::ProgramDir d;
    const fs::path& p = d.path();
    writeBytes(p / "datei", "inhalt");
    const int s = ::socket(AF_UNIX, SOCK_STREAM, 0); // its name stays, with no one listening
    sockaddr_un addr{AF_UNIX, {}};
    std::strcpy(addr.sun_path, (p / "sock").c_str());
    ASSERT_EQ(::bind(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    ::close(s);
    fs::create_symlink(p / "datei", p / "verweis");
    fs::create_symlink(p / "fehlt", p / "ins-leere");
    const std::string missing = "die Datei oder das Verzeichnis fehlt";
    const std::tuple<const char*, Links, std::string> cases[] = {
        {"datei", Links::Refuse, ""},
        {"verweis", Links::Follow, ""},
        {"ins-leere", Links::Follow, missing},
        {"sock", Links::Follow, "das ist ein Socket, keine gewöhnliche Datei"},
        {"fehlt", Links::Follow, missing}};
    for (const auto& [name, links, reason] : cases) {
        const Opened file = openRegular(p / name, O_RDONLY, links);
        EXPECT_EQ(file.fd.ok(), reason.empty()) << name;
        if (file.fd.ok())
            EXPECT_EQ(::fcntl(file.fd.get(), F_GETFL) & O_NONBLOCK, 0) << "left non-blocking";
        else
            EXPECT_EQ(file.reason().text(), reason) << name;
    }
    // Started with standard input closed, a file gets descriptor 0, and it is closed all the same
    // (a list's lock held on it would never be let go).
    const int input = ::dup(0);
    ::close(0);
    EXPECT_EQ(openRegular(p / "datei", O_RDONLY, Links::Refuse).fd.get(), 0);
    EXPECT_EQ(::fcntl(0, F_GETFD), -1) << "descriptor 0 was left open";
    ::dup2(input, 0);
    ::close(input);
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
    EXPECT_EQ(over.reason.text(), "die Datei ist größer als 999 Bytes");
    EXPECT_EQ(sizeText(64u << 20), "64 MiB");
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
        const std::string text = errnoReason(e).text();
        EXPECT_EQ(text.find(std::strerror(e)), std::string::npos) << e << ": " << text;
        EXPECT_FALSE(text.empty());
    }
    EXPECT_EQ(errnoReason(ENOSPC).text(), "der Datenträger ist voll");
    EXPECT_EQ(errnoReason(EFBIG).text(), "die Datei würde größer, als erlaubt ist");
    EXPECT_EQ(errnoReason(EOVERFLOW).text(), "Systemfehler Nummer " + std::to_string(EOVERFLOW));
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
        {std::string(10'000'000, '9'), "\"" + std::string(60, '9') + "…\""}, // NOLINT(bugprone-string-constructor)
        {sixty + seventy, "\"" + sixty + "…\""}};
    for (const auto& [text, quoted] : cases)
        EXPECT_EQ(quoteText(text), quoted);
}

// Each %N takes its argument's text once, in any order; a file name holding "%2" stays as
// it is, and a %N without an argument stays as written.
TEST(Files, MessagesPutTheirArgumentsInPlaceOnce)
{
    const auto name = Message::literal("50%2.lst");
    const std::pair<Message, std::string> cases[] = {
        {{"%2 steht vor %1", {Message::literal("b"), Message::literal("a")}}, "a steht vor b"},
        {{"%1: %2.", {name, errnoReason(ENOSPC)}}, "50%2.lst: der Datenträger ist voll."},
        {{"%1: %2", {name, errnoReason(EOVERFLOW)}}, "50%2.lst: Systemfehler Nummer " + std::to_string(EOVERFLOW)},
        {{"%1 und %3, 100%", {name}}, "50%2.lst und %3, 100%"}};
    for (const auto& [message, text] : cases)
        EXPECT_EQ(message.text(), text);
}

// What the settings file writes it reads back, values that look like groups included; a
// player's edits that mean nothing are skipped, and no line is taken for a group unless it is one.
TEST(SettingsFile, ReadsBackWhatItWritesAndSkipsWhatMeansNothing)
{
    const std::map<std::string, std::string> values = {{"alt", "1"},       {"sound/muted", "true"},
                                                       {"keys/fire", "]"}, {"keys/left", "[x]"},
                                                       {"a/b", "c=d"},     {"window/normal", "@Rect(1 2 3 4)"}};
    EXPECT_EQ(SettingsFile::parse(SettingsFile::format(values)), values);
    EXPECT_EQ(SettingsFile::format({{"zwei\nzeilen", "x"}, {"k", "zwei\nzeilen"}, {"a=b", "x"}}), "");
    EXPECT_EQ(
        SettingsFile::parse("; Notiz\n# auch\n[ sound ]\nmuted = true\n=leer\nohne\n[kaputt\nx=1\n[General]\nalt=2\n"),
        (std::map<std::string, std::string>{{"sound/muted", "true"}, {"sound/x", "1"}, {"alt", "2"}}));
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
    const std::tuple<const char*, bool, bool, bool, fs::path> cases[] = {{"A.gvk", true, false, true, program},
                                                                         {"B.gvk", true, true, true, program},
                                                                         {"C.gvk", false, true, true, data},
                                                                         {"D.gvk", false, false, true, program},
                                                                         {"E.gvk", false, true, false, program}};
    for (const auto& [name, inProgram, inData, installed, expected] : cases) {
        if (inProgram)
            writeBytes(program / name, "");
        if (inData)
            writeBytes(data / name, "");
        platform.installedData = installed ? data : fs::path();
        EXPECT_EQ(platform.gameFile(name), expected / name) << name;
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

constexpr double Inf = std::numeric_limits<double>::infinity();

// What a field of an episode file reads as before rounding.
TEST(Numbers, ReadRoundParseAndPrint)
{
    const std::pair<const char*, double> lenient[] = {
        {"2 0 0", 200}, {"1e3", 1000}, {"abc", 0},     {"2.5", 2.5},     {"&H1F", 31},   {"&h1f", 31},   {"&HaA", 170},
        {"&O17", 15},   {"&O8", 0},    {"-7,9", -7},   {"  +4x", 4},     {".5", 0.5},    {"-.5", -0.5},  {"2.", 2},
        {"1e", 1},      {"1e+", 1},    {"1e-", 1},     {"5\n0", 50},     {"\t1\t2", 12}, {"", 0},        {"-", 0},
        {"&H", 0},      {"&X12", 0},   {"1,5", 1},     {"12abc", 12},    {"1d2", 100},   {"3.5e1x", 35}, {"+-5", 0},
        {"1 e 2", 100}, {"0", 0},      {"1e400", Inf}, {"-1e400", -Inf}, {"1e-400", 0},  {"&H1G", 1}};
    for (const auto& [text, value] : lenient)
        EXPECT_DOUBLE_EQ(readLenient(text), value) << "text \"" << text << "\"";

    // Halves round to even, and only what fits in sixteen bits is a number of the game.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::pair<double, std::optional<std::int16_t>> rounding[] = {
        {2.5, 2},         {3.5, 4},      {-2.5, -2},         {-3.5, -4},         {0.5, 0},
        {1.5, 2},         {2.4999, 2},   {2.5001, 3},        {-0.5, 0},          {100.0, 100},
        {32767.4, 32767}, {32767.5, {}}, {-32768.4, -32768}, {-32768.5, -32768}, {-32769.0, {}},
        {32768.0, {}},    {1e300, {}},   {nan, {}},          {Inf, {}},          {-Inf, {}}};
    for (const auto& [value, rounded] : rounding) {
        EXPECT_EQ(roundToInt16(value), rounded) << value;
        if (rounded)
            EXPECT_EQ(toInt16(value), *rounded) << value;
        else
            EXPECT_THROW((void)toInt16(value), GameError) << value;
    }

    // Tags and the score: the whole text must be a number.
    const std::pair<const char*, std::optional<double>> strict[] = {
        {" 12 ", 12}, {"1", 1},     {"0", 0},   {"-3", -3},   {"+3", 3},   {"1.5", 1.5}, {"&H10", 16}, {"&O17", 15},
        {"1e2", 100}, {"\t7\t", 7}, {"", {}},   {"   ", {}},  {"1a", {}},  {"abc", {}},  {"1 2", {}},  {"-", {}},
        {".", {}},    {"&H", {}},   {"1e", {}}, {"&H1G", {}}, {"5\n", {}}, {"1,5", {}},  {"1e-400", 0}};
    for (const auto& [text, value] : strict)
        EXPECT_EQ(parseStrict(text), value) << "text \"" << text << "\"";
    EXPECT_EQ(numberOf(" 1"), 1);
    EXPECT_THROW((void)numberOf("Pause!"), GameError);
    EXPECT_THROW((void)numberOf(""), GameError);

    const std::pair<float, const char*> floats[] = {
        {146.25f, "146.25"}, {-67.5f, "-67.5"},          {4372.0f, "4372"},   {2512.5f, "2512.5"},
        {0.1f, "0.1"},       {100000.0f, "100000"},      {-2500.0f, "-2500"}, {0.0f, "0"},
        {28800.0f, "28800"}, {1.0f / 3.0f, "0.33333334"}};
    for (const auto& [value, text] : floats) {
        EXPECT_EQ(floatText(value), text);
        EXPECT_EQ(static_cast<float>(*parseStrict(floatText(value))), value) << text;
    }
}

// An episode file from lines joined with CR LF: "|" ends a line.
std::string file(std::string text)
{
    for (std::size_t at; (at = text.find('|')) != std::string::npos;)
        text.replace(at, 1, "\r\n");
    return text;
}

std::string repeated(const std::string& text, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i)
        out += text;
    return out;
}

// Odd lines and what their fields read as: extra fields are ignored, blanks inside a number
// and a lone LF skipped, halves round to even (102.5 is picture 102), a lone CR ends a line
// and what follows the last block is never read. Heart lines take no slot; 05 begins with
// 0, so it is a heart line whose "5" is the separator and whose X is the empty text before
// the next comma. The last heart line wins.
TEST(EpisodeParser, QuirksOfItsLines)
{
    const std::string ten = "1|" + repeated("1,0,0,0,0|0,5,5|", 10) + "|";
    const std::tuple<std::string, std::vector<int>, std::vector<int>> cases[] = {
        {"1|12,100,200,5,5||", {1, 112, 100, 200, 5, 5}, {}},
        {"1|1,100,200,5,5,9,9||", {1, 101, 100, 200, 5, 5}, {}},
        {"1|2,2 0 0,7,1,1||", {1, 102, 200, 7, 1, 1}, {}},
        {"1|2,1e3,7,1,1||", {1, 102, 1000, 7, 1, 1}, {}},
        {"1|2,abc,7,1,1||", {1, 102, 0, 7, 1, 1}, {}},
        {"1|2,2.5,3.5,12.5,13.5||", {1, 102, 2, 4, 12, 14}, {}},
        {"1|2,&H1F,&O17,-3,+4||", {1, 102, 31, 15, -3, 4}, {}},
        {"1|3\n,1\n0,\t5,-1x,2||", {1, 103, 10, 5, -1, 2}, {}},
        {"1|2.5,1,1,1,1||", {1, 102, 1, 1, 1, 1}, {}},
        {"1\r1,2,3,4,5\r\rgarbage", {1, 101, 2, 3, 4, 5}, {}},
        {ten, {10, 101, 0, 0, 0, 0}, {1, 5, 5}},
        {"2|0,10,20||1,0,0,1,1|05,300,400||", {1, 101, 0, 0, 1, 1}, {2, 0, 300}}};
    for (const auto& [bytes, fields, heart] : cases) {
        const auto p = parseEpisode(file(bytes));
        ASSERT_TRUE(p.data) << bytes << ": " << p.error.what.text();
        const LevelSatz& level = p.data->levels(p.data->levels.count());
        const GravokSatz& g = level.Gravok(1);
        EXPECT_EQ(std::vector<int>({level.Anzahl, g.Bild, g.X, g.Y, g.DX, g.DY}), fields) << bytes;
        const auto& h = p.data->heart;
        EXPECT_EQ(h ? std::vector<int>({h->level, h->x, h->y}) : std::vector<int>(), heart) << bytes;
    }
}

// A broken file: on which line the loader stops and a word its message must contain. Blanks
// are not an empty line, a last block must be closed, Unix line ends are named.
TEST(EpisodeParser, BrokenFilesReportLineAndReason)
{
    const std::string eleven = "1|" + repeated("1,0,0,0,0|", 11) + "|";
    const std::tuple<std::string, int, const char*> cases[] = {{"", 1, "erste Zeile"},
                                                               {"zwei||", 1, "erste Zeile"},
                                                               {"0||", 1, "mindestens 1"},
                                                               {"-3||", 1, "mindestens 1"},
                                                               {"99999||", 1, "erste Zeile"},
                                                               {"1|1,2,3,4|", 2, "fünf Felder"},
                                                               {"1|   ||", 2, "fünf Felder"},
                                                               {"1|0|", 2, "Komma"},
                                                               {"1|0,5|", 2, "Komma"},
                                                               {"1|1,40000,0,0,0||", 2, "X"},
                                                               {"1|13,0,0,0,0||", 2, "Bildnummer"},
                                                               {"1|-2,0,0,0,0||", 2, "Bildnummer"},
                                                               {"1|1,0,0,32758,0||", 2, "DX"},
                                                               {"1|1,0,0,0,-32768||", 2, "DY"},
                                                               {"1|1,0,0,0,0|", 2, "Leerzeile"},
                                                               {"2|1,0,0,0,0||", 3, "Leerzeile"},
                                                               {eleven, 12, "mehr als zehn"},
                                                               {"1\n1,0,0,0,0\n\n", 1, "LF"}};
    for (const auto& [bytes, line, says] : cases) {
        const auto p = parseEpisode(file(bytes));
        ASSERT_FALSE(p.data) << bytes;
        const std::string what = p.error.what.text();
        EXPECT_EQ(p.error.line, line) << bytes << ": " << what;
        EXPECT_NE(what.find(says), std::string::npos) << bytes << ": " << what;
    }
}

} // namespace
} // namespace gravok
