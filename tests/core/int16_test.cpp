#include <gtest/gtest.h>

#include <functional>

#include "core/errors.h"
#include "core/int16.h"
#include "core/vbarray.h"

namespace gravok {
namespace {

TEST(I16, ArithmeticInsideTheRange)
{
    I16 a = 32000;
    I16 b = -32000;
    EXPECT_EQ(a + I16(767), 32767);
    EXPECT_EQ(b - I16(768), -32768);
    EXPECT_EQ(I16(181) * I16(181), 32761);
    EXPECT_EQ(-I16(32767), -32767);
    EXPECT_EQ(a + b, 0);
    EXPECT_EQ(5 - I16(10), -5);
    a += 767;
    EXPECT_EQ(a, 32767);
    --a;
    EXPECT_EQ(a, 32766);
}

// Leaving 16 bits must stop the game, never wrap round silently.
TEST(I16, OverflowThrows)
{
    const struct {
        const char* what;
        std::function<void()> op;
    } cases[] = {
        {"max + 1", [] { (void)(I16(32767) + 1); }},
        {"1 + max", [] { (void)(1 + I16(32767)); }},
        {"max + max", [] { (void)(I16(32767) + I16(32767)); }},
        {"min - 1", [] { (void)(I16(-32768) - 1); }},
        {"0 - min", [] { (void)(0 - I16(-32768)); }},
        {"200 * 200", [] { (void)(I16(200) * I16(200)); }},
        {"min * -1", [] { (void)(I16(-32768) * -1); }},
        {"-min", [] { (void)(-I16(-32768)); }},
        {"++max", [] { I16 v = 32767; ++v; }},
        {"--min", [] { I16 v = -32768; --v; }},
        {"+= 40000", [] { I16 v; v += 40000; }},
        {"-= 40000", [] { I16 v; v -= 40000; }},
        {"*= 2", [] { I16 v = 16384; v *= 2; }},
        {"assign 32768", [] { I16 v = 32768; (void)v; }},
        {"assign -32769", [] { I16 v = -32769; (void)v; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_THROW(c.op(), GameError);
    }
}

TEST(I16, FailedOperationLeavesTheValue)
{
    I16 v = 32767;
    EXPECT_THROW(v += 1, GameError);
    EXPECT_EQ(v, 32767);
}

TEST(VbArray, CountsFromItsFirstIndex)
{
    VbArray<int, 1, 10> gravoks;
    gravoks(1) = 11;
    gravoks(10) = 20;
    EXPECT_EQ(gravoks(1), 11);
    EXPECT_EQ(gravoks(10), 20);
    EXPECT_EQ(gravoks(5), 0); // starts zeroed

    const struct {
        int first, last, index;
        bool inside;
    } cases[] = {{1, 10, 0, false}, {1, 10, 1, true},  {1, 10, 10, true}, {1, 10, 11, false},
                 {0, 9, -1, false}, {0, 9, 0, true},   {0, 9, 9, true},   {0, 9, 10, false}};
    VbArray<int, 0, 9> shots;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.first << ".." << c.last << " index " << c.index);
        const std::function<void()> access = [&] {
            (void)(c.first == 1 ? gravoks(c.index) : shots(c.index));
        };
        if (c.inside)
            EXPECT_NO_THROW(access());
        else
            EXPECT_THROW(access(), GameError);
    }
}

} // namespace
} // namespace gravok
