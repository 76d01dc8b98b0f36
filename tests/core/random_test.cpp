#include <gtest/gtest.h>

#include <vector>

#include "core/random.h"

namespace gravok {
namespace {

std::vector<double> draws(RandomSource& r, int n)
{
    std::vector<double> out;
    for (int i = 0; i < n; ++i)
        out.push_back(r.next());
    return out;
}

TEST(RandomSource, SameSeedSameSequence)
{
    RandomSource a(7);
    RandomSource b(7);
    RandomSource c(8);
    const auto first = draws(a, 20);
    EXPECT_EQ(first, draws(b, 20));
    EXPECT_NE(first, draws(c, 20));
    a.reseed(7);
    EXPECT_EQ(draws(a, 20), first);
}

TEST(RandomSource, ValuesLieInTheHalfOpenUnitInterval)
{
    for (std::uint64_t seed : {0ull, 1ull, 0xFFFFFFFFFFFFFFFFull}) {
        RandomSource r(seed);
        double low = 1;
        double high = 0;
        for (double v : draws(r, 10000)) {
            ASSERT_GE(v, 0.0);
            ASSERT_LT(v, 1.0);
            low = std::min(low, v);
            high = std::max(high, v);
        }
        // A stuck or badly scaled generator would not cover the interval.
        EXPECT_LT(low, 0.01) << seed;
        EXPECT_GT(high, 0.99) << seed;
    }
}

TEST(RandomSource, QueuedValuesComeFirstThenTheSequenceResumes)
{
    RandomSource plain(3);
    const auto expected = draws(plain, 3);

    RandomSource r(3);
    EXPECT_EQ(r.next(), expected[0]);
    r.queue({0.5, 0.0});
    r.queue({0.999});
    EXPECT_EQ(r.queued(), 3u);
    EXPECT_EQ(draws(r, 3), (std::vector<double>{0.5, 0.0, 0.999}));
    EXPECT_EQ(r.queued(), 0u);
    EXPECT_EQ(draws(r, 2), (std::vector<double>{expected[1], expected[2]}));
}

} // namespace
} // namespace gravok
