// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The high-score list's lines: their encoding, their fields, their order and their rows.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "replay/replay_links.h"
#include "scores/kodierer.h"
#include "scores/score_list.h"

namespace gravok {
namespace {

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
    std::vector<std::string> texts = {"",
                                      " ",
                                      "000150:  (1)",
                                      "-00040: Jean-Luc (3)",
                                      "999999: Jürgen Größe (4)",
                                      "日本語の名前",
                                      std::string("a\0b\r\n\x7f\xff\0", 8)};
    for (int i = 0; i < 5000; ++i)
        texts.push_back(randomBytes(rng, 120));
    for (const auto& text : texts) {
        const std::string line = writer.encode(text, Schluessel);
        ASSERT_TRUE(!line.empty() && std::all_of(line.begin(), line.end(), [](char c) { return c > 0x20 && c < 0x7F; }))
            << line;
        ASSERT_EQ(reader.decode(line, Schluessel), text);
        ASSERT_EQ(writer.encode(text, Schluessel), line) << "an encoder kept state";
    }
    EXPECT_FALSE(writer.decode(writer.encode("000150: Pilot (2)", Schluessel), 7320).has_value());
    EXPECT_TRUE(Schluessel >= 1000 && Schluessel <= 9999);
}

// A damaged line must read as damaged, never as some other entry.
TEST(Kodierer, DetectsDamagedLines)
{
    const Kodierer k;
    std::mt19937 rng(7);
    const std::string hex = "0123456789ABCDEF";
    int checked = 0;
    for (int i = 0; i < 300; ++i) {
        const std::string line = k.encode(randomBytes(rng, 40), Schluessel);
        std::string lower = line;
        std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
        std::vector<std::string> damaged = {line.substr(0, line.size() - 2), line.substr(2), line + "00",
                                            line.substr(0, line.size() / 2), line + "\r",    " " + line,
                                            line.substr(0, line.size() - 1)};
        if (lower != line)
            damaged.push_back(lower);
        for (std::size_t pos = 0; pos < line.size(); ++pos) {
            damaged.push_back(line);
            damaged.back()[pos] = hex[(hex.find(line[pos]) + 1 + rng() % 15) % 16];
        }
        for (const auto& d : damaged) {
            ++checked;
            EXPECT_FALSE(k.decode(d, Schluessel).has_value()) << line << " damaged to " << d;
        }
    }
    EXPECT_GT(checked, 10000);
    for (const char* junk : {"", "0", "GGGGGGGG", "000150: Pilot (2)", "00000000"})
        EXPECT_FALSE(k.decode(junk, Schluessel).has_value()) << junk;
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
    EXPECT_EQ(entryText("150", "", 1), "000150:  (1)");
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
    for (const int s : scores)
        lines.push_back(scoreField(std::to_string(s)) + ": line " + std::to_string(lines.size() + 1));
    return lines;
}

// Fields compare as text: negatives after the rest, -00050 before -00010.
TEST(ScoreList, OrderFollowsTheGamesTieRule)
{
    const std::pair<std::vector<int>, std::vector<std::size_t>> cases[] = {{{}, {}},
                                                                           {{5}, {0}},
                                                                           {{7, 9, 7, 10}, {3, 1, 2, 0}},
                                                                           {{-10, -50, 0, 20}, {3, 2, 1, 0}},
                                                                           {{3, 3, 3, 3}, {0, 1, 2, 3}},
                                                                           {{1, 2, 3, 4, 5}, {4, 3, 2, 1, 0}}};
    for (const auto& [scores, order] : cases) {
        EXPECT_EQ(listingOrder(withKeys(scores)), order);
        EXPECT_EQ(orderLiteral(withKeys(scores)), order) << "the oracle itself is wrong";
    }
}

// Few distinct keys give long runs of ties, where the two could part; short and empty keys
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
    const struct {
        const char* what;
        std::vector<ReplayLink> links;
        std::vector<std::string> perRow; // "" for a row without a replay
    } cases[] = {
        {"no links", {}, {"", "", "", ""}},
        {"damaged line linked", {{Home, 1, "r-a", 1}}, {"", "", "", ""}},
        {"by line, not by index", {{Home, 2, "r-anna", 2}}, {"", "r-anna", "", ""}},
        {"same line, other list", {{User, 0, "r-dora", 1}, {Home, 0, "r-bert", 4}}, {"", "", "r-bert", "r-dora"}},
        {"every row",
         {{User, 1, "c", 1}, {Home, 2, "a", 1}, {Home, 0, "b", 1}, {User, 0, "d", 1}},
         {"c", "a", "b", "d"}},
        {"newest link of a line wins", {{Home, 2, "alt", 1}, {Home, 2, "neu", 3}}, {"", "neu", "", ""}},
        {"path written another way", {{"/spiel/./Punkte.lst", 0, "r-b", 1}}, {"", "", "r-b", ""}},
        {"other list's file", {{"/anders/Punkte.lst", 0, "x", 1}}, {"", "", "", ""}}};
    for (const auto& c : cases) {
        const auto links = replay::rowLinks(c.links, shown.places);
        ASSERT_EQ(links.size(), c.perRow.size()) << c.what;
        for (std::size_t i = 0; i < links.size(); ++i)
            EXPECT_EQ(links[i] ? links[i]->replay : "", c.perRow[i]) << c.what << ", row " << i;
    }
    EXPECT_EQ(replay::rowLinks({{Home, 2, "r", 3}}, shown.places)[1]->game, 3);
}

} // namespace
} // namespace gravok
