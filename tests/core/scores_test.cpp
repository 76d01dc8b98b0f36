// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The high-score list: its lines' encoding, fields, order and rows, and its file on a real
// file system: missing files, damage, and directories that cannot be written. The lock
// between two games is met in the hostile tests.
//
// Tests run as root in CI, where permission bits stop nothing. A program directory that
// cannot take the list is made by putting a directory where the lock file belongs (no one,
// root included, can open a directory for writing), and a per-user directory that cannot be
// created by pointing XDG_DATA_HOME below a regular file.
#include "sim_support.h"

namespace gravok {
namespace {

namespace fs = std::filesystem;
using test::bytesOf;
using test::encoded;
using test::listEntries;
using test::writeBytes;

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
    EXPECT_FALSE(fs::exists(list())) << "reading created the list";
    const std::tuple<const char*, std::vector<std::string>, const char*> cases[] = {
        {nullptr, {}, "F\r\n"},
        {"", {}, "F\r\n"},
        {"A\rB\r\nC\nD\r\r\nE", {"A", "B", "C", "D", "E"}, "A\rB\r\nC\nD\r\r\nE\r\nF\r\n"},
        {"A\r", {"A"}, "A\rF\r\n"},
        {"A\r\n0A1B2C", {"A", "0A1B2C"}, "A\r\n0A1B2C\r\nF\r\n"}};
    for (const auto& [before, lines, after] : cases) {
        fs::remove(list());
        if (before)
            writeBytes(list(), before);
        EXPECT_EQ(readList(dir()).lines, lines) << before;
        ASSERT_FALSE(appendLine(dir(), "F"));
        EXPECT_EQ(bytesOf(list()), after) << before;
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
        fs::permissions(shared.path() / ListName, fs::perms(0644)); // the owner's choice, kept by an append
        ASSERT_FALSE(appendLine(shared.path(), encoded("00020: Neu")));
        EXPECT_EQ(fs::status(shared.path() / ListName).permissions(), fs::perms(0644));
        ASSERT_FALSE(rewriteList(shared.path(), Convert));
        EXPECT_EQ(listEntries(shared.path()), (std::vector<std::string>{"000150: Alt", "000020: Neu"}));
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
    EXPECT_EQ(listEntries(user.path() / "gravok"), (std::vector<std::string>{"000200: Beim Spieler (1)"}));
    EXPECT_EQ(listEntries(dir()), (std::vector<std::string>{"000100: Beim Programm (1)"}));

    // Nothing can be written: every place is named with its reason.
    writeBytes(user.path() / "datei", "");
    const test::EnvGuard below{"XDG_DATA_HOME", (user.path() / "datei").string()};
    const EntryResult none = appendEntry(findPlaces(dir(), userDataDir()), encoded("000200: X (1)"));
    EXPECT_TRUE(none.writtenTo.empty());
    ASSERT_EQ(none.problems.size(), 2u);
    EXPECT_EQ(none.problems[0].path, dir() / LockName);
    EXPECT_EQ(none.problems[0].reason.text(), "das ist ein Verzeichnis, keine gewöhnliche Datei");
    EXPECT_EQ(none.problems[1].path, user.path() / "datei" / "gravok");
    EXPECT_EQ(none.problems[1].reason.text(), "ein Teil des Pfads ist kein Verzeichnis");
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
    EXPECT_EQ(listEntries(home), std::vector<std::string>{"000200: Neu (1)"});
    EXPECT_EQ(std::distance(fs::directory_iterator(dir()), fs::directory_iterator()), 1);
    EXPECT_EQ(findPlaces(dir(), home, false).home, dir());
}

std::string randomBytes(std::mt19937& rng, std::size_t maxLength)
{
    std::string s(std::uniform_int_distribution<std::size_t>(0, maxLength)(rng), '\0');
    for (char& c : s)
        c = static_cast<char>(rng());
    return s;
}

// Every text comes back, through a second instance as the game's two encoders do, on one
// printable line; another key does not read it.
TEST(Kodierer, DecodesWhatItEncodedForEveryText)
{
    const Kodierer writer, reader;
    std::mt19937 rng(20260);
    std::vector<std::string> texts = {
        "", " ", "000150:  (1)", "-00040: Jean-Luc (3)", "999999: Jürgen Größe (4)", "日本語の名前"};
    texts.emplace_back("a\0b\r\n\x7f\xff\0", 8);
    for (int i = 0; i < 5000; ++i)
        texts.push_back(randomBytes(rng, 120));
    for (const auto& text : texts) {
        const std::string line = writer.encode(text, Schluessel);
        ASSERT_TRUE(!line.empty() && std::all_of(line.begin(), line.end(), [](char c) { return c > 0x20 && c < 0x7F; }))
            << line;
        ASSERT_EQ(reader.decode(line, Schluessel), text);
        ASSERT_EQ(writer.encode(text, Schluessel), line) << "an encoder kept state";
    }
    // As every list written so far holds it: a change of the encoding would lose them all.
    EXPECT_EQ(writer.encode("000150: Pilot (2)", Schluessel), "5C905DE7309C7619402D75D8018911D815355D7D62");
    EXPECT_FALSE(writer.decode(writer.encode("000150: Pilot (2)", Schluessel), 7320).has_value());
    EXPECT_TRUE(Schluessel >= 1000 && Schluessel <= 9999);
}

// A damaged line must read as damaged, never as some other entry.
TEST(Kodierer, DetectsDamagedLines)
{
    const Kodierer k;
    std::mt19937 rng(7);
    const std::string hex = "0123456789ABCDEF";
    std::vector<std::string> damaged = {"", "0", "GGGGGGGG", "000150: Pilot (2)", "00000000"};
    for (int i = 0; i < 300; ++i) {
        const std::string line = k.encode(randomBytes(rng, 40), Schluessel);
        for (const std::string& d : {line.substr(0, line.size() - 2), line.substr(2), line + "00",
                                     line.substr(0, line.size() / 2), line.substr(1), line + "\r", " " + line})
            damaged.push_back(d);
        for (std::size_t pos = 0; pos < line.size(); ++pos) {
            damaged.push_back(line);
            damaged.back()[pos] = hex[(hex.find(line[pos]) + 1 + rng() % 15) % 16];
        }
    }
    ASSERT_GT(damaged.size(), 10000u);
    for (const auto& d : damaged)
        EXPECT_FALSE(k.decode(d, Schluessel).has_value()) << d;
}

// Longer texts than play gives go to the field's nearest limit.
TEST(ScoreList, ScoreFieldsHaveSixCharacters)
{
    const std::pair<const char*, const char*> cases[] = {
        {"150", "000150"},      {"-40", "-00040"},     {"0", "000000"},        {"-5", "-00005"},
        {"999999", "999999"},   {"-99999", "-99999"},  {"99999", "099999"},    {"", "000000"},
        {"1000000", "999999"},  {"-100000", "-99999"}, {"-0000001", "-00001"}, {"12345678", "999999"},
        {"-abcdefg", "-99999"}, {"abcdefgh", "999999"}};
    for (const auto& [score, field] : cases)
        EXPECT_EQ(scoreField(score), field) << score;
    EXPECT_EQ(entryText("150", "Pilot", 2), "000150: Pilot (2)");
    EXPECT_EQ(entryText("-5", "Jean-Luc Größe", 4), "-00005: Jean-Luc Größe (4)");
    EXPECT_EQ(sortKey("000150: Pilot"), "000150");
    EXPECT_EQ(sortKey("0001"), "0001");
    EXPECT_EQ(sortKey("äöü123456"), "äöü123");
}

// Old lines are converted by their score field; "" when the line is carried over unchanged,
// being current already or no score the game could write.
TEST(ScoreList, OldLinesAreConvertedByTheirScoreField)
{
    const std::pair<const char*, const char*> cases[] = {{"00150: Pilot", "000150: Pilot"},
                                                         {"-0040: Gast", "-00040: Gast"},
                                                         {"00150: Jean-Luc (2)", "000150: Jean-Luc (2)"},
                                                         {"-0040: Gast-Spieler - 2", "-00040: Gast-Spieler - 2"},
                                                         {"00000:", "000000:"},
                                                         {"00150:-", "000150:-"},
                                                         {"000150: Pilot (2)", ""},
                                                         {"00-15: Pilot", ""},
                                                         {"--015: Pilot", ""},
                                                         {"0015", ""},
                                                         {"", ""}};
    for (const auto& [old, converted] : cases)
        EXPECT_EQ(convertOldLine(old).value_or(""), converted) << old;

    const Kodierer k;
    const std::vector<std::string> lines = {
        "0123ABC", k.encode("00150: Pilot", Schluessel), k.encode("-0040: Gast-Spieler", Schluessel),
        k.encode("00-15: kaputt", Schluessel), k.encode("000200: Neu (1)", Schluessel)};
    const auto list = convertedList(lines, k);
    ASSERT_TRUE(list.has_value());
    ASSERT_EQ(list->size(), lines.size());
    EXPECT_EQ((*list)[0], lines[0]);
    EXPECT_EQ(k.decode((*list)[1], Schluessel), "000150: Pilot");
    EXPECT_EQ(k.decode((*list)[2], Schluessel), "-00040: Gast-Spieler");
    EXPECT_EQ((*list)[3], lines[3]);
    EXPECT_EQ((*list)[4], lines[4]);
    EXPECT_FALSE(convertedList(*list, k).has_value()) << "converted twice";
    EXPECT_FALSE(convertedList({lines[0]}, k).has_value());
    EXPECT_FALSE(convertedList({}, k).has_value());

    DecodedList decoded;
    decodeInto(decoded, {lines[1], "XYZ", k.encode("000007: A (1)", Schluessel), ""}, k);
    EXPECT_EQ(decoded.entries, (std::vector<std::string>{"000150: Pilot", "000007: A (1)"}));
    EXPECT_EQ(decoded.unreadable, 2u);
}

// The game's selection procedure word for word, 1-based, quadratic: the oracle.
std::vector<std::size_t> orderLiteral(const std::vector<std::string>& lines)
{
    const std::size_t n = lines.size();
    std::vector<std::size_t> out;
    std::vector<bool> shown(n + 1, false);
    auto key = [&](std::size_t i) { return sortKey(lines[i - 1]); };
    auto enter = [&](std::size_t i) {
        out.push_back(i - 1);
        shown[i] = true;
    };
    if (n == 0)
        return out;
    std::size_t chosen = 1;
    for (std::size_t j = 1; j <= n; ++j)
        if (key(j) > key(chosen))
            chosen = j;
    enter(chosen);
    while (out.size() < n) {
        for (std::size_t j = 1; j <= n; ++j) {
            if (shown[j])
                continue;
            chosen = j;
            for (std::size_t k = 1; k <= n; ++k)
                if (key(k) > key(chosen) && !shown[k])
                    chosen = k;
            enter(chosen);
        }
    }
    return out;
}

std::vector<std::string> withKeys(const std::vector<int>& scores)
{
    std::vector<std::string> lines;
    lines.reserve(scores.size());
    for (const int s : scores)
        lines.push_back(scoreField(std::to_string(s)) + ": line " + std::to_string(lines.size() + 1));
    return lines;
}

// Few distinct keys give long runs of ties, where the two could part (fields compare as
// text: negatives after the rest, -00050 before -00010); short and empty keys
// too, and keys of more than seven bytes, some alike in their first seven.
TEST(ScoreList, OrderEqualsTheLiteralProcedureOnRandomLists)
{
    std::mt19937 rng(1995);
    const std::string odd[] = {"äöüß", "äöüßa", "äöüäb", "äöüä", "äöü1", "äöü"};
    for (int round = 0; round < 3000; ++round) {
        const unsigned distinct = 1 + rng() % 6;
        std::vector<std::string> lines(rng() % 60);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            lines[i] =
                scoreField(std::to_string(static_cast<int>(rng() % distinct) * 37 - 60)) + ": " + std::to_string(i);
            if (rng() % 20 == 0)
                lines[i] = lines[i].substr(0, rng() % 7);
            if (rng() % 20 == 0)
                lines[i] = odd[rng() % 6] + std::to_string(rng() % 3);
        }
        ASSERT_EQ(listingOrder(lines), orderLiteral(lines)) << "round " << round;
    }
    std::vector<int> scores(1500); // as long as years of play leave
    for (int& s : scores)
        s = static_cast<int>(rng() % 40) * 10 - 100;
    EXPECT_EQ(listingOrder(withKeys(scores)), orderLiteral(withKeys(scores)));
}

// Two lists as the dialog reads them: the home list with a damaged line in the middle (so
// indexes and line numbers part), and the user's list. Shown highest first:
//   row 0  000900: Cleo (1)   user  line 1
//   row 1  000500: Anna (1)   home  line 2
//   row 2  000300: Bert (2)   home  line 0
//   row 3  000100: Dora (3)   user  line 0
// Line 1 of the home list is the damaged one: its index in the file's entries would be
// Anna's, its line is nobody's.
TEST(ListRows, RowsKeepTheirFileAndLineAndFindTheirOwnReplay)
{
    using replay::ReplayLink;
    const std::filesystem::path Home = "/spiel/Punkte.lst", User = "/home/p/.local/share/gravok/Punkte.lst";
    const Kodierer k;
    DecodedList list;
    decodeInto(list, {k.encode("000300: Bert (2)", Schluessel), "kaputt", k.encode("000500: Anna (1)", Schluessel)}, k,
               Home);
    decodeInto(list, {k.encode("000100: Dora (3)", Schluessel), k.encode("000900: Cleo (1)", Schluessel)}, k, User);
    const ShownList shown = shownList(std::move(list));
    EXPECT_EQ(shown.rows, (std::vector<std::string>{"000900: Cleo (1)", "000500: Anna (1)", "000300: Bert (2)",
                                                    "000100: Dora (3)"}));
    EXPECT_EQ(shown.places, (std::vector<EntryPlace>{{User, 1}, {Home, 2}, {Home, 0}, {User, 0}}));
    const std::tuple<const char*, std::vector<ReplayLink>, std::vector<std::string>> cases[] = {
        {"no links", {}, {"", "", "", ""}},
        {"damaged line linked", {{Home, 1, "r-a", 1}}, {"", "", "", ""}},
        {"by line, not by index", {{Home, 2, "r-anna", 2}}, {"", "r-anna", "", ""}},
        {"same line, other list", {{User, 0, "r-dora", 1}, {Home, 0, "r-bert", 4}}, {"", "", "r-bert", "r-dora"}},
        {"every row",
         {{User, 1, "c", 1}, {Home, 2, "a", 1}, {Home, 0, "b", 1}, {User, 0, "d", 1}},
         {"c", "a", "b", "d"}},
        {"newest link of a line wins", {{Home, 2, "alt", 1}, {Home, 2, "neu", 3}}, {"", "neu", "", ""}},
        {"other list's file", {{"/anders/Punkte.lst", 0, "x", 1}}, {"", "", "", ""}}};
    for (const auto& [what, links, perRow] : cases) {
        const auto found = replay::rowLinks(links, shown.places);
        ASSERT_EQ(found.size(), perRow.size()) << what;
        for (std::size_t i = 0; i < found.size(); ++i)
            EXPECT_EQ(found[i] ? found[i]->replay : "", perRow[i]) << what << ", row " << i;
    }
    EXPECT_EQ(replay::rowLinks({{Home, 2, "r", 3}}, shown.places)[1]->game, 3);
}

} // namespace
} // namespace gravok
