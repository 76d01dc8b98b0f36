// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <random>

#include "scores/kodierer.h"

namespace gravok {
namespace {

std::string randomBytes(std::mt19937& rng, std::size_t maxLength)
{
    std::uniform_int_distribution<std::size_t> length(0, maxLength);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string s(length(rng), '\0');
    for (char& c : s)
        c = static_cast<char>(byte(rng));
    return s;
}

bool printableLine(const std::string& s)
{
    for (const char c : s)
        if (c < 0x21 || c > 0x7E)
            return false;
    return !s.empty();
}

// Every text comes back, through a second instance as the game's two encoders do.
TEST(Kodierer, DecodesWhatItEncodedForEveryText)
{
    const Kodierer writer;
    const Kodierer reader;
    const std::string fixed[] = {"",
                                 " ",
                                 "000150: Pilot (2)",
                                 "000150:  (1)",
                                 "-00040: Jean-Luc (3)",
                                 "999999: Jürgen Größe (4)",
                                 "日本語の名前",
                                 std::string("a\0b\r\n\x7f\xff\0", 8)};
    for (const auto& text : fixed)
        EXPECT_EQ(reader.decode(writer.encode(text, Schluessel), Schluessel), text);
    std::mt19937 rng(20260);
    for (int i = 0; i < 5000; ++i) {
        const std::string text = randomBytes(rng, 120);
        const std::string line = writer.encode(text, Schluessel);
        ASSERT_TRUE(printableLine(line)) << line;
        ASSERT_EQ(reader.decode(line, Schluessel), text);
        ASSERT_EQ(writer.encode(text, Schluessel), line) << "an encoder kept state";
    }
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
        std::vector<std::string> damaged = {line.substr(0, line.size() - 2), line.substr(2), line + "00",
                                            line.substr(0, line.size() / 2), line + "\r",    " " + line,
                                            line.substr(0, line.size() - 1)};
        for (std::size_t pos = 0; pos < line.size(); ++pos) {
            std::string d = line;
            d[pos] = hex[(hex.find(d[pos]) + 1 + static_cast<std::size_t>(rng()) % 15) % 16];
            damaged.push_back(d);
        }
        std::string lower = line;
        for (char& c : lower)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (lower != line)
            damaged.push_back(lower);
        for (const auto& d : damaged) {
            ++checked;
            EXPECT_FALSE(k.decode(d, Schluessel).has_value()) << line << " damaged to " << d;
        }
    }
    EXPECT_GT(checked, 10000);
    for (const char* junk : {"", "0", "GGGGGGGG", "000150: Pilot (2)", "00000000"})
        EXPECT_FALSE(k.decode(junk, Schluessel).has_value()) << junk;
}

TEST(Kodierer, AnotherKeyDoesNotRead)
{
    const Kodierer k;
    const std::int32_t other = 7320;
    EXPECT_FALSE(k.decode(k.encode("000150: Pilot (2)", Schluessel), other).has_value());
    EXPECT_GE(Schluessel, 1000);
    EXPECT_LE(Schluessel, 9999);
}

} // namespace
} // namespace gravok
