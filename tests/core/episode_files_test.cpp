// The four shipped episode files: they must load, and every level must be fair to start.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "episodes/episode_parser.h"

#ifndef GRAVOK_DATA_DIR
#error "GRAVOK_DATA_DIR must name the source tree's data directory"
#endif

namespace gravok {
namespace {

constexpr int FieldW = 9600;
constexpr int FieldH = 7200;
constexpr int HeartSize = 270;
constexpr int MaxStep = 100;
// Nothing may start this close to the waiting shuttle.
constexpr int ShuttleMargin = 600;
// Ticks of 50 ms in a second: how long a gravok flying straight must stay off the shuttle.
constexpr int SafeTicks = 20;

struct Box {
    int x, y, w, h;
};
constexpr Box Shuttle{4372, 3172, 855, 855};

// Edges count: two boxes that merely touch, or come within `gap`, overlap.
bool overlaps(const Box& a, const Box& b, int gap = 0)
{
    return a.x <= b.x + b.w + gap && b.x <= a.x + a.w + gap && a.y <= b.y + b.h + gap && b.y <= a.y + a.h + gap;
}

bool insideField(const Box& b)
{
    return b.x >= 0 && b.y >= 0 && b.x + b.w <= FieldW && b.y + b.h <= FieldH;
}

int pictureNumber(const GravokSatz& g) { return g.Bild - 100; }
int pictureSize(const GravokSatz& g) { return pictureNumber(g) == 12 ? 450 : 480; }
Box boxOf(const GravokSatz& g) { return {g.X, g.Y, pictureSize(g), pictureSize(g)}; }

int hitsFor(int picture)
{
    switch (picture % 3) {
    case 1: return 3;
    case 2: return 5;
    default: return 7;
    }
}

std::string readBytes(int episode)
{
    const std::string path = std::string(GRAVOK_DATA_DIR) + "/Episode" + std::to_string(episode) + ".gvk";
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {};
    std::ostringstream buffer;
    buffer << in.rdbuf();
    return std::move(buffer).str();
}

std::vector<std::string> splitCrLf(const std::string& bytes)
{
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t end; (end = bytes.find("\r\n", from)) != std::string::npos; from = end + 2)
        lines.push_back(bytes.substr(from, end - from));
    return lines;
}

// The gravoks of each level, level 1 first.
std::vector<std::vector<GravokSatz>> gravoksByLevel(const LevelTable& levels)
{
    std::vector<std::vector<GravokSatz>> out;
    for (int n = 1; n <= levels.count(); ++n) {
        const LevelSatz& l = levels(n);
        auto& gs = out.emplace_back();
        for (int k = 1; k <= l.Anzahl; ++k)
            gs.push_back(l.Gravok(k));
    }
    return out;
}

int totalHits(const std::vector<GravokSatz>& gs)
{
    int sum = 0;
    for (const GravokSatz& g : gs)
        sum += hitsFor(pictureNumber(g));
    return sum;
}

int topStep(const std::vector<GravokSatz>& gs)
{
    int top = 0;
    for (const GravokSatz& g : gs)
        top = std::max({top, std::abs(int(g.DX)), std::abs(int(g.DY))});
    return top;
}

// One episode file, read and parsed once per test.
class EpisodeFile : public testing::TestWithParam<int> {
protected:
    void SetUp() override
    {
        bytes_ = readBytes(episode());
        ASSERT_FALSE(bytes_.empty()) << "Episode" << episode() << ".gvk is missing or empty";
        EpisodeParse parse = parseEpisode(bytes_);
        ASSERT_TRUE(parse.data.has_value()) << "line " << parse.error.line << ": " << parse.error.what;
        heart_ = parse.data->heart;
        levels_ = gravoksByLevel(parse.data->levels);
    }

    int episode() const { return GetParam(); }
    int firstPicture() const { return 3 * episode() - 2; }
    const std::string& bytes() const { return bytes_; }
    const std::optional<HeartPlace>& heart() const { return heart_; }
    int levelCount() const { return static_cast<int>(levels_.size()); }
    const std::vector<GravokSatz>& gravoks(int level) const { return levels_.at(static_cast<std::size_t>(level - 1)); }
    int count(int level) const { return static_cast<int>(gravoks(level).size()); }

private:
    std::string bytes_;
    std::optional<HeartPlace> heart_;
    std::vector<std::vector<GravokSatz>> levels_;
};

TEST_P(EpisodeFile, LinesEndWithCrLfOnly)
{
    for (std::size_t i = 0; i < bytes().size(); ++i) {
        if (bytes()[i] == '\n') {
            ASSERT_TRUE(i > 0 && bytes()[i - 1] == '\r') << "lone LF at byte " << i;
        }
        if (bytes()[i] == '\r') {
            ASSERT_TRUE(i + 1 < bytes().size() && bytes()[i + 1] == '\n') << "lone CR at byte " << i;
        }
    }
}

// The parser stops after the last block; anything behind it would be silently lost.
TEST_P(EpisodeFile, EndsWithTheLastLevelsEmptyLine)
{
    const auto lines = splitCrLf(bytes());
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(bytes().size(), [&] {
        std::size_t n = 0;
        for (const auto& l : lines)
            n += l.size() + 2;
        return n;
    }()) << "bytes after the last line end";
    const auto blanks = std::count(lines.begin(), lines.end(), std::string());
    EXPECT_EQ(blanks, levelCount());
    EXPECT_EQ(lines.back(), "");
}

TEST_P(EpisodeFile, HasEightToTwelveLevels)
{
    EXPECT_GE(levelCount(), 8);
    EXPECT_LE(levelCount(), 12);
}

// Each episode has its own three kinds, so every gravok is worth 50, 100 or 150.
TEST_P(EpisodeFile, UsesOnlyItsOwnPictures)
{
    for (int n = 1; n <= levelCount(); ++n)
        for (const GravokSatz& g : gravoks(n)) {
            SCOPED_TRACE(testing::Message() << "level " << n);
            EXPECT_GE(pictureNumber(g), firstPicture());
            EXPECT_LE(pictureNumber(g), firstPicture() + 2);
        }
}

TEST_P(EpisodeFile, GravokCountsGrowWithoutSuddenDrops)
{
    EXPECT_GE(count(1), 2);
    EXPECT_LE(count(1), 3);
    for (int n = 1; n <= levelCount(); ++n) {
        SCOPED_TRACE(testing::Message() << "level " << n);
        EXPECT_GE(count(n), 1);
        EXPECT_LE(count(n), 10);
        if (n > 1) {
            EXPECT_GE(count(n), count(n - 1) - 1);
        }
    }
    EXPECT_GT(count(levelCount()), count(1));
}

TEST_P(EpisodeFile, HasOneReachableHeartInAMiddleLevel)
{
    const auto lines = splitCrLf(bytes());
    const auto heartLines =
        std::count_if(lines.begin(), lines.end(), [](const std::string& l) { return !l.empty() && l[0] == '0'; });
    EXPECT_EQ(heartLines, 1);

    ASSERT_TRUE(heart().has_value());
    const HeartPlace& h = *heart();
    EXPECT_GT(h.level, 1);
    EXPECT_LT(h.level, levelCount());
    const Box heart{h.x, h.y, HeartSize, HeartSize};
    EXPECT_TRUE(insideField(heart)) << h.x << "," << h.y;
    EXPECT_FALSE(overlaps(heart, Shuttle)) << "the heart would be collected without flying";
}

// Every level must give the player a moment: nothing on or near the shuttle, nothing
// inside another gravok, nothing half off the field.
TEST_P(EpisodeFile, GravoksStartApartInsideTheFieldAndAwayFromTheShuttle)
{
    for (int n = 1; n <= levelCount(); ++n) {
        const auto gs = gravoks(n);
        for (std::size_t i = 0; i < gs.size(); ++i) {
            SCOPED_TRACE(testing::Message() << "level " << n << ", gravok " << i + 1);
            const Box b = boxOf(gs[i]);
            EXPECT_TRUE(insideField(b)) << b.x << "," << b.y;
            EXPECT_FALSE(overlaps(b, Shuttle, ShuttleMargin)) << b.x << "," << b.y;
            for (std::size_t j = i + 1; j < gs.size(); ++j)
                EXPECT_FALSE(overlaps(b, boxOf(gs[j]))) << "overlaps gravok " << j + 1;
        }
    }
}

// Straight flight is enough: in one second nothing can wrap round into the middle.
TEST_P(EpisodeFile, NoGravokHitsTheWaitingShuttleWithinOneSecond)
{
    for (int n = 1; n <= levelCount(); ++n)
        for (const GravokSatz& g : gravoks(n))
            for (int t = 0; t <= SafeTicks; ++t) {
                const Box b{g.X + t * g.DX, g.Y + t * g.DY, pictureSize(g), pictureSize(g)};
                ASSERT_FALSE(overlaps(b, Shuttle))
                    << "level " << n << ", gravok at " << g.X << "," << g.Y << " after " << t << " ticks";
            }
}

TEST_P(EpisodeFile, StepsAreBoundedAndSomethingMoves)
{
    for (int n = 1; n <= levelCount(); ++n) {
        SCOPED_TRACE(testing::Message() << "level " << n);
        bool moving = false;
        for (const GravokSatz& g : gravoks(n)) {
            EXPECT_LE(std::abs(int(g.DX)), MaxStep);
            EXPECT_LE(std::abs(int(g.DY)), MaxStep);
            moving = moving || g.DX != 0 || g.DY != 0;
        }
        EXPECT_TRUE(moving);
    }
}

TEST_P(EpisodeFile, LastLevelIsHarderThanTheFirst)
{
    const int last = levelCount();
    EXPECT_GT(totalHits(gravoks(last)), totalHits(gravoks(1)));
    EXPECT_GT(topStep(gravoks(last)), topStep(gravoks(1)));
    EXPECT_GE(topStep(gravoks(last)), 50) << "the last level should be fast";
    EXPECT_LE(topStep(gravoks(1)), 30) << "the first level should be gentle";
}

INSTANTIATE_TEST_SUITE_P(Shipped, EpisodeFile, testing::Values(1, 2, 3, 4),
                         [](const testing::TestParamInfo<int>& info) {
                             return "Episode" + std::to_string(info.param);
                         });

// Across the game: a later episode asks for more hits overall and ends faster.
TEST(EpisodeFiles, LaterEpisodesAreHarder)
{
    struct Measure {
        int hits = 0, lastTopStep = 0;
    };
    std::vector<Measure> measures;
    for (int e = 1; e <= 4; ++e) {
        const auto parse = parseEpisode(readBytes(e));
        ASSERT_TRUE(parse.data.has_value()) << "episode " << e;
        const auto levels = gravoksByLevel(parse.data->levels);
        Measure& m = measures.emplace_back();
        for (const auto& gs : levels)
            m.hits += totalHits(gs);
        m.lastTopStep = topStep(levels.back());
    }
    for (std::size_t e = 1; e < measures.size(); ++e) {
        SCOPED_TRACE(testing::Message() << "episode " << e + 1 << " against " << e);
        EXPECT_GT(measures[e].hits, measures[e - 1].hits);
        EXPECT_GE(measures[e].lastTopStep, measures[e - 1].lastTopStep);
    }
}

} // namespace
} // namespace gravok
