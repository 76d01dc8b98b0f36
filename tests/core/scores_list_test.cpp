// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <random>

#include "scores/score_list.h"

namespace gravok {
namespace {

TEST(ScoreList, ScoreFieldsHaveSixCharacters)
{
    const struct {
        const char* score;
        const char* field;
    } cases[] = {
        {"150", "000150"},
        {"-40", "-00040"},
        {"0", "000000"},
        {"-5", "-00005"},
        {"999999", "999999"},
        {"-99999", "-99999"},
        {"99999", "099999"},
        {"", "000000"},
        // Longer texts cannot come from play; they go to the field's nearest limit.
        {"1000000", "999999"},
        {"-100000", "-99999"},
        {"-0000001", "-00001"},
        {"12345678", "999999"},
        {"-abcdefg", "-99999"},
        {"abcdefgh", "999999"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(scoreField(c.score), c.field) << c.score;
}

TEST(ScoreList, AnEntryJoinsFieldNameAndEpisodeAndItsKeyIsTheFirstSixCharacters)
{
    EXPECT_EQ(entryText("150", "Pilot", 2), "000150: Pilot (2)");
    EXPECT_EQ(entryText("150", "", 1), "000150:  (1)");
    EXPECT_EQ(entryText("-5", "Jean-Luc Größe", 4), "-00005: Jean-Luc Größe (4)");
    EXPECT_EQ(sortKey("000150: Pilot"), "000150");
    EXPECT_EQ(sortKey("0001"), "0001");
    EXPECT_EQ(sortKey("äöü123456"), "äöü123");
}

TEST(ScoreList, OldLinesAreConvertedByTheirScoreField)
{
    const struct {
        const char* old;
        const char* converted; // nullptr: carried over unchanged
    } cases[] = {
        {"00150: Pilot", "000150: Pilot"},
        {"-0040: Gast", "-00040: Gast"},
        {"00150: Jean-Luc (2)", "000150: Jean-Luc (2)"},
        {"-0040: Gast-Spieler - 2", "-00040: Gast-Spieler - 2"},
        {"00000:", "000000:"},
        {"000150: Pilot (2)", nullptr}, // already the current layout
        {"00-15: Pilot", nullptr},      // no score the game could write
        {"--015: Pilot", nullptr},
        {"0015", nullptr},
        {"", nullptr},
    };
    for (const auto& c : cases) {
        const auto converted = convertOldLine(c.old);
        if (c.converted)
            EXPECT_EQ(converted, std::string(c.converted)) << c.old;
        else
            EXPECT_FALSE(converted.has_value()) << c.old;
    }
}

// The game's selection procedure word for word, 1-based, quadratic: the oracle.
std::vector<std::size_t> orderLiteral(const std::vector<std::string>& lines)
{
    const std::size_t n = lines.size();
    std::vector<std::size_t> out;
    if (n == 0)
        return out;
    auto key = [&](std::size_t i) { return sortKey(lines[i - 1]); };
    std::vector<std::size_t> shownList(n + 1, 0);
    auto isShown = [&](std::size_t i) {
        return std::find(shownList.begin() + 1, shownList.end(), i) != shownList.end();
    };
    auto enter = [&](std::size_t i) {
        out.push_back(i - 1);
        *std::find(shownList.begin() + 1, shownList.end(), 0) = i;
    };
    std::size_t chosen = 1;
    for (std::size_t j = 1; j <= n; ++j)
        if (key(j) > key(chosen))
            chosen = j;
    enter(chosen);
    while (out.size() < n) {
        for (std::size_t j = 1; j <= n; ++j) {
            if (isShown(j))
                continue;
            chosen = j;
            for (std::size_t k = 1; k <= n; ++k)
                if (key(k) > key(chosen) && !isShown(k))
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

TEST(ScoreList, OrderFollowsTheGamesTieRule)
{
    const struct {
        std::vector<int> scores;
        std::vector<std::size_t> order;
    } cases[] = {
        {{}, {}},
        {{5}, {0}},
        {{7, 9, 7, 10}, {3, 1, 2, 0}},
        // Fields compare as text: negatives after the rest, -00050 before -00010.
        {{-10, -50, 0, 20}, {3, 2, 1, 0}},
        {{3, 3, 3, 3}, {0, 1, 2, 3}},
        {{1, 2, 3, 4, 5}, {4, 3, 2, 1, 0}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(listingOrder(withKeys(c.scores)), c.order);
        EXPECT_EQ(orderLiteral(withKeys(c.scores)), c.order) << "the oracle itself is wrong";
    }
}

// Few distinct keys give long runs of ties, where the two could part.
TEST(ScoreList, OrderEqualsTheLiteralProcedureOnRandomLists)
{
    std::mt19937 rng(1995);
    for (int round = 0; round < 3000; ++round) {
        const int distinct = 1 + static_cast<int>(rng() % 6);
        const std::size_t n = rng() % 60;
        std::vector<std::string> lines;
        for (std::size_t i = 0; i < n; ++i) {
            const int v = static_cast<int>(rng() % static_cast<unsigned>(distinct)) * 37 - 60;
            std::string line = scoreField(std::to_string(v)) + ": " + std::to_string(i);
            if (rng() % 20 == 0)
                line = line.substr(0, rng() % 7); // short and empty keys too
            if (rng() % 20 == 0)                  // keys of more than seven bytes, some alike in their first seven
                line = std::vector<std::string>{"äöüß", "äöüßa", "äöüäb", "äöüä", "äöü1", "äöü"}[rng() % 6] +
                       std::to_string(rng() % 3);
            lines.push_back(line);
        }
        ASSERT_EQ(listingOrder(lines), orderLiteral(lines)) << "round " << round;
    }
    // And a list as long as years of play leave.
    std::vector<int> scores(1500);
    for (int& s : scores)
        s = static_cast<int>(rng() % 40) * 10 - 100;
    EXPECT_EQ(listingOrder(withKeys(scores)), orderLiteral(withKeys(scores)));
}

TEST(ScoreList, OldListsAreConvertedWhenTheirFirstReadableLineIsOld)
{
    const Kodierer k;
    const auto enc = [&](const char* t) { return k.encode(t, Schluessel); };
    const std::string damaged = "0123ABC";
    const std::vector<std::string> old = {damaged, enc("00150: Pilot"), enc("-0040: Gast-Spieler"),
                                          enc("00-15: kaputt"), enc("000200: Neu (1)")};
    const auto converted = convertedList(old, k);
    ASSERT_TRUE(converted.has_value());
    ASSERT_EQ(converted->size(), old.size());
    EXPECT_EQ((*converted)[0], damaged);
    EXPECT_EQ(k.decode((*converted)[1], Schluessel), "000150: Pilot");
    EXPECT_EQ(k.decode((*converted)[2], Schluessel), "-00040: Gast-Spieler");
    EXPECT_EQ((*converted)[3], old[3]);
    EXPECT_EQ((*converted)[4], old[4]);
    EXPECT_FALSE(convertedList(*converted, k).has_value()) << "converted twice";
    EXPECT_FALSE(convertedList({damaged}, k).has_value());
    EXPECT_FALSE(convertedList({}, k).has_value());
}

TEST(ScoreList, DecodingCountsDamagedLinesAndShowsOldOnesConverted)
{
    const Kodierer k;
    DecodedList list;
    decodeInto(list, {k.encode("00150: Pilot", Schluessel), "XYZ", k.encode("000007: A (1)", Schluessel), ""}, k);
    EXPECT_EQ(list.entries, (std::vector<std::string>{"000150: Pilot", "000007: A (1)"}));
    EXPECT_EQ(list.unreadable, 2u);
}

} // namespace
} // namespace gravok
