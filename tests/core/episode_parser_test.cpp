// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "episodes/episode_parser.h"

using namespace gravok;

namespace {

// An episode file from lines joined with CR LF.
std::string file(std::initializer_list<const char*> lines)
{
    std::string out;
    for (const char* l : lines)
        out += std::string(l) + "\r\n";
    return out;
}

const GravokSatz& slotOf(const EpisodeParse& p, int level, int slot)
{
    return p.data->levels(level).Gravok(slot);
}

} // namespace

TEST(EpisodeParser, ReadsLevelsGravoksAndHeart)
{
    const auto p =
        parseEpisode(file({"2", "3,1200,400,20,-15", "0,4500,3000", "7,6000,900,-30,25", "", "12,1,2,3,4", ""}));
    ASSERT_TRUE(p.data) << p.error.what;
    EXPECT_EQ(p.data->levels.count(), 2);
    EXPECT_EQ(p.data->levels(1).Anzahl, 2);
    EXPECT_EQ(p.data->levels(2).Anzahl, 1);
    const GravokSatz& g = slotOf(p, 1, 2);
    EXPECT_EQ(g.Bild, 107);
    EXPECT_EQ(g.X, 6000);
    EXPECT_EQ(g.Y, 900);
    EXPECT_EQ(g.DX, -30);
    EXPECT_EQ(g.DY, 25);
    EXPECT_EQ(g.Treffer, 0);
    EXPECT_EQ(slotOf(p, 2, 1).Bild, 112);
    ASSERT_TRUE(p.data->heart);
    EXPECT_EQ(p.data->heart->level, 1);
    EXPECT_EQ(p.data->heart->x, 4500);
    EXPECT_EQ(p.data->heart->y, 3000);
}

// One field of a gravok line and what it reads as.
struct FieldCase {
    const char* line;
    int bild, x, y, dx, dy;
};

class GravokLineQuirks : public testing::TestWithParam<FieldCase> {};

TEST_P(GravokLineQuirks, Fields)
{
    const FieldCase& c = GetParam();
    const auto p = parseEpisode("1\r\n" + std::string(c.line) + "\r\n\r\n");
    ASSERT_TRUE(p.data) << c.line << ": " << p.error.what;
    const GravokSatz& g = slotOf(p, 1, 1);
    EXPECT_EQ(g.Bild, c.bild) << c.line;
    EXPECT_EQ(g.X, c.x) << c.line;
    EXPECT_EQ(g.Y, c.y) << c.line;
    EXPECT_EQ(g.DX, c.dx) << c.line;
    EXPECT_EQ(g.DY, c.dy) << c.line;
}

INSTANTIATE_TEST_SUITE_P(All, GravokLineQuirks,
                         testing::Values(FieldCase{"12,100,200,5,5", 112, 100, 200, 5, 5},
                                         FieldCase{"1,100,200,5,5,9,9", 101, 100, 200, 5, 5}, // extra fields ignored
                                         FieldCase{"2,2 0 0,7,1,1", 102, 200, 7, 1, 1},       // blanks inside a number
                                         FieldCase{"2,1e3,7,1,1", 102, 1000, 7, 1, 1},
                                         FieldCase{"2,abc,7,1,1", 102, 0, 7, 1, 1},
                                         FieldCase{"2,2.5,3.5,12.5,13.5", 102, 2, 4, 12, 14}, // halves to even
                                         FieldCase{"2,&H1F,&O17,-3,+4", 102, 31, 15, -3, 4},
                                         FieldCase{"3\n,1\n0,\t5,-1x,2", 103, 10, 5, -1, 2}, // a lone LF is skipped
                                         FieldCase{"2.5,1,1,1,1", 102, 1, 1, 1, 1}));        // 102.5 rounds to 102

TEST(EpisodeParser, HeartLinesAndTheirQuirks)
{
    // 05 begins with 0: a heart line, not picture 5, whose "5" is the separator, so X is
    // the empty text before the next comma. The last heart line wins.
    const auto p = parseEpisode(file({"2", "0,10,20", "", "1,0,0,1,1", "05,300,400", ""}));
    ASSERT_TRUE(p.data) << p.error.what;
    EXPECT_EQ(p.data->levels(2).Anzahl, 1);
    ASSERT_TRUE(p.data->heart);
    EXPECT_EQ(p.data->heart->level, 2);
    EXPECT_EQ(p.data->heart->x, 0);
    EXPECT_EQ(p.data->heart->y, 300);
    EXPECT_FALSE(parseEpisode(file({"1", "1,0,0,1,1", ""})).data->heart);
}

TEST(EpisodeParser, EmptyBlockAndTenGravoks)
{
    std::string ten = "1\r\n";
    for (int i = 0; i < 10; ++i)
        ten += "1,0,0,0,0\r\n0,5,5\r\n"; // heart lines take no slot
    const auto p = parseEpisode(ten + "\r\n");
    ASSERT_TRUE(p.data) << p.error.what;
    EXPECT_EQ(p.data->levels(1).Anzahl, 10);
    EXPECT_EQ(parseEpisode(file({"1", ""})).data->levels(1).Anzahl, 0);
}

TEST(EpisodeParser, CrAloneEndsALineAndTextAfterTheLastBlockIsIgnored)
{
    const auto p = parseEpisode("1\r1,2,3,4,5\r\rgarbage that is never read");
    ASSERT_TRUE(p.data) << p.error.what;
    EXPECT_EQ(slotOf(p, 1, 1).DY, 5);
}

// A broken file: on which line the loader stops and a word its message must contain.
struct ErrorCase {
    std::string bytes;
    int line;
    const char* says;
};

class BrokenFiles : public testing::TestWithParam<ErrorCase> {};

TEST_P(BrokenFiles, ReportLineAndReason)
{
    const ErrorCase& c = GetParam();
    const auto p = parseEpisode(c.bytes);
    ASSERT_FALSE(p.data);
    EXPECT_EQ(p.error.line, c.line) << p.error.what;
    EXPECT_NE(p.error.what.find(c.says), std::string::npos) << p.error.what;
}

INSTANTIATE_TEST_SUITE_P(
    All, BrokenFiles,
    testing::Values(
        ErrorCase{"", 1, "erste Zeile"}, ErrorCase{file({"zwei", ""}), 1, "erste Zeile"},
        ErrorCase{file({"0", ""}), 1, "mindestens 1"}, ErrorCase{file({"-3", ""}), 1, "mindestens 1"},
        ErrorCase{file({"99999", ""}), 1, "erste Zeile"}, ErrorCase{file({"1", "1,2,3,4"}), 2, "fünf Felder"},
        ErrorCase{file({"1", "   ", ""}), 2, "fünf Felder"}, // blanks are not an empty line
        ErrorCase{file({"1", "0"}), 2, "Komma"}, ErrorCase{file({"1", "0,5"}), 2, "Komma"},
        ErrorCase{file({"1", "1,40000,0,0,0", ""}), 2, "X"}, ErrorCase{file({"1", "13,0,0,0,0", ""}), 2, "Bildnummer"},
        ErrorCase{file({"1", "-2,0,0,0,0", ""}), 2, "Bildnummer"}, ErrorCase{file({"1", "1,0,0,32758,0", ""}), 2, "DX"},
        ErrorCase{file({"1", "1,0,0,0,-32768", ""}), 2, "DY"},
        ErrorCase{file({"1", "1,0,0,0,0"}), 2, "Leerzeile"}, // last block not closed
        ErrorCase{file({"2", "1,0,0,0,0", ""}), 3, "Leerzeile"},
        ErrorCase{file({"1", "1,0,0,0,0", "1,0,0,0,0", "1,0,0,0,0", "1,0,0,0,0", "1,0,0,0,0", "1,0,0,0,0", "1,0,0,0,0",
                        "1,0,0,0,0", "1,0,0,0,0", "1,0,0,0,0", "1,0,0,0,0", ""}),
                  12, "mehr als zehn"},
        ErrorCase{"1\n1,0,0,0,0\n\n", 1, "LF"})); // Unix line ends: said so
