// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/errors.h"
#include "core/numbers.h"

namespace gravok {
namespace {

// The episode reader: what a field of an episode file reads as before rounding.
TEST(ReadLenient, ReadsTheLeadingNumber)
{
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"2 0 0", 200}, {"1e3", 1000}, {"abc", 0},     {"2.5", 2.5}, {"&H1F", 31},   {"&h1f", 31},
        {"&HaA", 170},  {"&O17", 15},  {"&O8", 0},     {"-7,9", -7}, {"  +4x", 4},   {".5", 0.5},
        {"-.5", -0.5},  {"2.", 2},     {"1e", 1},      {"1e+", 1},   {"1e-", 1},     {"5\n0", 50},
        {"\t1\t2", 12}, {"", 0},       {"-", 0},       {"&H", 0},    {"&X12", 0},    {"1,5", 1},
        {"12abc", 12},  {"1d2", 100},  {"3.5e1x", 35}, {"+-5", 0},   {"1 e 2", 100}, {"0", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "text \"" << c.text << "\"");
        EXPECT_DOUBLE_EQ(readLenient(c.text), c.value);
    }
}

TEST(ReadLenient, HugeExponentIsInfiniteAndTinyIsZero)
{
    EXPECT_EQ(readLenient("1e400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(readLenient("-1e400"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(readLenient("1e-400"), 0.0);
    EXPECT_EQ(parseStrict("1e-400"), 0.0);
}

// Lenient reading followed by rounding, as every episode field goes through both.
TEST(ReadLenient, FieldsRoundHalvesToEven)
{
    const struct {
        const char* text;
        int value;
    } cases[] = {{"2.5", 2}, {"3.5", 4}, {"12.5", 12},  {"13.5", 14},  {"-2.5", -2}, {"-3.5", -4},
                 {"0.5", 0}, {"1.5", 2}, {"2.4999", 2}, {"2.5001", 3}, {"-7,9", -7}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(toInt16(readLenient(c.text)), c.value);
    }
}

TEST(RoundToInt16, KeepsTheRangeOfSixteenBits)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double value;
        std::optional<std::int16_t> rounded;
    } cases[] = {
        {32767.4, 32767},
        {32767.5, std::nullopt}, // rounds to 32768
        {-32768.4, -32768},
        {-32768.5, -32768}, // the even neighbour is still inside
        {-32769.0, std::nullopt},
        {32768.0, std::nullopt},
        {1e300, std::nullopt},
        {nan, std::nullopt},
        {inf, std::nullopt},
        {-inf, std::nullopt},
        {0.0, 0},
        {-0.5, 0},
        {100.0, 100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(roundToInt16(c.value), c.rounded);
        if (c.rounded)
            EXPECT_EQ(toInt16(c.value), *c.rounded);
        else
            EXPECT_THROW((void)toInt16(c.value), GameError);
    }
}

// Tags and the score: the whole text must be a number.
TEST(ParseStrict, AcceptsOnlyAWholeNumber)
{
    const struct {
        const char* text;
        std::optional<double> value;
    } cases[] = {
        {" 12 ", 12}, {"1", 1},     {"0", 0},   {"-3", -3},   {"+3", 3},   {"1.5", 1.5}, {"&H10", 16}, {"&O17", 15},
        {"1e2", 100}, {"\t7\t", 7}, {"", {}},   {"   ", {}},  {"1a", {}},  {"abc", {}},  {"1 2", {}},  {"-", {}},
        {".", {}},    {"&H", {}},   {"1e", {}}, {"&H1G", {}}, {"5\n", {}}, {"1,5", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "text \"" << c.text << "\"");
        EXPECT_EQ(parseStrict(c.text), c.value);
    }
}

TEST(ParseStrict, NumberOfThrowsForTextAndDecimalPrintsPlainIntegers)
{
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
    } cases[] = {
        {146.25f, "146.25"},   {-67.5f, "-67.5"},   {4372.0f, "4372"}, {2512.5f, "2512.5"}, {0.1f, "0.1"},
        {100000.0f, "100000"}, {-2500.0f, "-2500"}, {0.0f, "0"},       {28800.0f, "28800"}, {1.0f / 3.0f, "0.33333334"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(floatText(c.value), c.text);
        EXPECT_EQ(static_cast<float>(*parseStrict(floatText(c.value))), c.value);
    }
}

} // namespace
} // namespace gravok
