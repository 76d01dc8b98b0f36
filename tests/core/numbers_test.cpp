// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers as the episode files, tags and scores write them, and the episode reader on top.
#include <gtest/gtest.h>

#include <limits>

#include "core/errors.h"
#include "core/numbers.h"
#include "episodes/episode_parser.h"

namespace gravok {
namespace {

constexpr double Inf = std::numeric_limits<double>::infinity();

// What a field of an episode file reads as before rounding.
TEST(ReadLenient, ReadsTheLeadingNumber)
{
    const struct {
        const char* text;
        double value;
    } cases[] = {{"2 0 0", 200}, {"1e3", 1000},    {"abc", 0},     {"2.5", 2.5}, {"&H1F", 31},   {"&h1f", 31},
                 {"&HaA", 170},  {"&O17", 15},     {"&O8", 0},     {"-7,9", -7}, {"  +4x", 4},   {".5", 0.5},
                 {"-.5", -0.5},  {"2.", 2},        {"1e", 1},      {"1e+", 1},   {"1e-", 1},     {"5\n0", 50},
                 {"\t1\t2", 12}, {"", 0},          {"-", 0},       {"&H", 0},    {"&X12", 0},    {"1,5", 1},
                 {"12abc", 12},  {"1d2", 100},     {"3.5e1x", 35}, {"+-5", 0},   {"1 e 2", 100}, {"0", 0},
                 {"1e400", Inf}, {"-1e400", -Inf}, {"1e-400", 0},  {"&H1G", 1}};
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(readLenient(c.text), c.value) << "text \"" << c.text << "\"";
}

// Halves round to even, and only what fits in sixteen bits is a number of the game.
TEST(RoundToInt16, RoundsHalvesToEvenAndKeepsTheRange)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        double value;
        std::optional<std::int16_t> rounded;
    } cases[] = {{2.5, 2},         {3.5, 4},      {-2.5, -2},         {-3.5, -4},         {0.5, 0},
                 {1.5, 2},         {2.4999, 2},   {2.5001, 3},        {-0.5, 0},          {100.0, 100},
                 {32767.4, 32767}, {32767.5, {}}, {-32768.4, -32768}, {-32768.5, -32768}, {-32769.0, {}},
                 {32768.0, {}},    {1e300, {}},   {nan, {}},          {Inf, {}},          {-Inf, {}}};
    for (const auto& c : cases) {
        EXPECT_EQ(roundToInt16(c.value), c.rounded) << c.value;
        if (c.rounded)
            EXPECT_EQ(toInt16(c.value), *c.rounded) << c.value;
        else
            EXPECT_THROW((void)toInt16(c.value), GameError) << c.value;
    }
}

// Tags and the score: the whole text must be a number.
TEST(ParseStrict, AcceptsOnlyAWholeNumber)
{
    const struct {
        const char* text;
        std::optional<double> value;
    } cases[] = {{" 12 ", 12}, {"1", 1},     {"0", 0},     {"-3", -3},   {"+3", 3},    {"1.5", 1.5},
                 {"&H10", 16}, {"&O17", 15}, {"1e2", 100}, {"\t7\t", 7}, {"", {}},     {"   ", {}},
                 {"1a", {}},   {"abc", {}},  {"1 2", {}},  {"-", {}},    {".", {}},    {"&H", {}},
                 {"1e", {}},   {"&H1G", {}}, {"5\n", {}},  {"1,5", {}},  {"1e-400", 0}};
    for (const auto& c : cases)
        EXPECT_EQ(parseStrict(c.text), c.value) << "text \"" << c.text << "\"";
    EXPECT_EQ(numberOf(" 1"), 1);
    EXPECT_THROW((void)numberOf("Pause!"), GameError);
    EXPECT_THROW((void)numberOf(""), GameError);
    for (const int n : {0, -25, 100, -32768})
        EXPECT_EQ(decimal(n), std::to_string(n));
}

TEST(FloatText, IsTheShortestTextThatReadsBack)
{
    const struct {
        float value;
        const char* text;
    } cases[] = {{146.25f, "146.25"}, {-67.5f, "-67.5"},          {4372.0f, "4372"},   {2512.5f, "2512.5"},
                 {0.1f, "0.1"},       {100000.0f, "100000"},      {-2500.0f, "-2500"}, {0.0f, "0"},
                 {28800.0f, "28800"}, {1.0f / 3.0f, "0.33333334"}};
    for (const auto& c : cases) {
        EXPECT_EQ(floatText(c.value), c.text);
        EXPECT_EQ(static_cast<float>(*parseStrict(floatText(c.value))), c.value) << c.text;
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

TEST(EpisodeParser, ReadsLevelsGravoksAndHeart)
{
    const auto p = parseEpisode(file("2|3,1200,400,20,-15|0,4500,3000|7,6000,900,-30,25||12,1,2,3,4||"));
    ASSERT_TRUE(p.data) << p.error.what;
    EXPECT_EQ(p.data->levels.count(), 2);
    EXPECT_EQ(p.data->levels(1).Anzahl, 2);
    const GravokSatz& g = p.data->levels(1).Gravok(2);
    EXPECT_EQ(std::vector<int>({g.Bild, g.X, g.Y, g.DX, g.DY, g.Treffer}),
              std::vector<int>({107, 6000, 900, -30, 25, 0}));
    EXPECT_EQ(p.data->levels(2).Gravok(1).Bild, 112);
    EXPECT_EQ(parseEpisode(file("1||")).data->levels(1).Anzahl, 0);
}

// Odd lines and what their fields read as: extra fields are ignored, blanks inside a number
// and a lone LF skipped, halves round to even (102.5 is picture 102), a lone CR ends a line
// and what follows the last block is never read. Heart lines take no slot; 05 begins with
// 0, so it is a heart line whose "5" is the separator and whose X is the empty text before
// the next comma. The last heart line wins.
TEST(EpisodeParser, QuirksOfItsLines)
{
    const std::string ten = file("1|" + repeated("1,0,0,0,0|0,5,5|", 10) + "|");
    const struct {
        std::string bytes;
        std::vector<int> fields; // Anzahl of the last level, then Bild X Y DX DY of its first gravok
        std::vector<int> heart;  // level, x, y; empty: none
    } cases[] = {{file("1|12,100,200,5,5||"), {1, 112, 100, 200, 5, 5}, {}},
                 {file("1|1,100,200,5,5,9,9||"), {1, 101, 100, 200, 5, 5}, {}},
                 {file("1|2,2 0 0,7,1,1||"), {1, 102, 200, 7, 1, 1}, {}},
                 {file("1|2,1e3,7,1,1||"), {1, 102, 1000, 7, 1, 1}, {}},
                 {file("1|2,abc,7,1,1||"), {1, 102, 0, 7, 1, 1}, {}},
                 {file("1|2,2.5,3.5,12.5,13.5||"), {1, 102, 2, 4, 12, 14}, {}},
                 {file("1|2,&H1F,&O17,-3,+4||"), {1, 102, 31, 15, -3, 4}, {}},
                 {file("1|3\n,1\n0,\t5,-1x,2||"), {1, 103, 10, 5, -1, 2}, {}},
                 {file("1|2.5,1,1,1,1||"), {1, 102, 1, 1, 1, 1}, {}},
                 {"1\r1,2,3,4,5\r\rgarbage", {1, 101, 2, 3, 4, 5}, {}},
                 {ten, {10, 101, 0, 0, 0, 0}, {1, 5, 5}},
                 {file("2|0,10,20||1,0,0,1,1|05,300,400||"), {1, 101, 0, 0, 1, 1}, {2, 0, 300}}};
    for (const auto& c : cases) {
        const auto p = parseEpisode(c.bytes);
        ASSERT_TRUE(p.data) << c.bytes << ": " << p.error.what;
        const LevelSatz& level = p.data->levels(p.data->levels.count());
        const GravokSatz& g = level.Gravok(1);
        EXPECT_EQ(std::vector<int>({level.Anzahl, g.Bild, g.X, g.Y, g.DX, g.DY}), c.fields) << c.bytes;
        const auto& h = p.data->heart;
        EXPECT_EQ(h ? std::vector<int>({h->level, h->x, h->y}) : std::vector<int>(), c.heart) << c.bytes;
    }
}

// A broken file: on which line the loader stops and a word its message must contain. Blanks
// are not an empty line, a last block must be closed, Unix line ends are named.
TEST(EpisodeParser, BrokenFilesReportLineAndReason)
{
    const struct {
        std::string bytes;
        int line;
        const char* says;
    } cases[] = {{"", 1, "erste Zeile"},
                 {file("zwei||"), 1, "erste Zeile"},
                 {file("0||"), 1, "mindestens 1"},
                 {file("-3||"), 1, "mindestens 1"},
                 {file("99999||"), 1, "erste Zeile"},
                 {file("1|1,2,3,4|"), 2, "fünf Felder"},
                 {file("1|   ||"), 2, "fünf Felder"},
                 {file("1|0|"), 2, "Komma"},
                 {file("1|0,5|"), 2, "Komma"},
                 {file("1|1,40000,0,0,0||"), 2, "X"},
                 {file("1|13,0,0,0,0||"), 2, "Bildnummer"},
                 {file("1|-2,0,0,0,0||"), 2, "Bildnummer"},
                 {file("1|1,0,0,32758,0||"), 2, "DX"},
                 {file("1|1,0,0,0,-32768||"), 2, "DY"},
                 {file("1|1,0,0,0,0|"), 2, "Leerzeile"},
                 {file("2|1,0,0,0,0||"), 3, "Leerzeile"},
                 {file("1|" + repeated("1,0,0,0,0|", 11) + "|"), 12, "mehr als zehn"},
                 {"1\n1,0,0,0,0\n\n", 1, "LF"}};
    for (const auto& c : cases) {
        const auto p = parseEpisode(c.bytes);
        ASSERT_FALSE(p.data) << c.bytes;
        EXPECT_EQ(p.error.line, c.line) << c.bytes << ": " << p.error.what;
        EXPECT_NE(p.error.what.find(c.says), std::string::npos) << c.bytes << ": " << p.error.what;
    }
}

} // namespace
} // namespace gravok
