// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/letter_picker.h"

#include <algorithm>

#include <gtest/gtest.h>

namespace gravok {
namespace {

// Moves: U up, D down, < left, > right, A take, B erase; a number repeats the next move.
struct Case {
    const char* what;
    std::u32string start;
    std::size_t max;
    const char* moves;
    std::u32string text;
    std::size_t place;
    char32_t shown;
    bool entered;
};

TEST(LetterPicker, Moves)
{
    const Case cases[] = {
        {"first letter taken", U"", 30, "A", U"A", 1, U'A', false},
        {"down from A wraps to the last sign", U"", 30, "DA", U"'", 1, U'\'', false},
        {"up from the last sign wraps to A", U"", 30, "DUA", U"A", 1, U'A', false},
        {"umlauts and sharp s follow Z", U"", 30, "25UA1UA2UA", U"ZÄÜ", 3, U'Ü', false},
        {"sharp s, the blank and a digit", U"", 30, "29UA1UA1UA", U"ß 0", 3, U'0', false},
        {"a taken letter turned again", U"", 30, "AA<<UU", U"CA", 0, U'C', false},
        {"a typed letter turns onto the wheel", U"xy", 30, "<<U>D", U"A'", 1, U'\'', false},
        {"B deletes the letter at the place", U"ABC", 30, "<<B", U"AC", 1, U'C', false},
        {"B at the open place deletes the last", U"ABC", 30, "B", U"AB", 2, U'A', false},
        {"B on an empty name does nothing", U"", 30, "BB", U"", 0, U'A', false},
        {"Fertig lies right of the open place", U"AB", 30, ">>>>A", U"AB", 3, U'\0', true},
        {"left stops at the first place", U"AB", 30, "<<<<<", U"AB", 0, U'A', false},
        {"a full name has no open place", U"", 2, "AAA", U"AA", 2, U'\0', true},
        {"B on Fertig of a full name reopens", U"", 2, "AAB", U"A", 1, U'A', false},
        {"the 30th letter ends on Fertig", std::u32string(29, U'X'), 30, "AA", std::u32string(29, U'X') + U"A", 30,
         U'\0', true},
        {"a longer name is cut to the limit", std::u32string(40, U'X'), 30, "U", std::u32string(30, U'X'), 30, U'\0',
         false},
    };
    for (const Case& c : cases) {
        LetterPicker p(c.max);
        p.setText(c.start);
        for (int i = 0; i < static_cast<int>(c.start.size()); ++i)
            p.right();
        bool entered = false;
        int times = 0;
        for (const char* m = c.moves; *m; ++m) {
            if (*m >= '0' && *m <= '9') {
                times = times * 10 + (*m - '0');
                continue;
            }
            for (int i = 0; i < std::max(times, 1); ++i)
                switch (*m) {
                case 'U': p.up(); break;
                case 'D': p.down(); break;
                case '<': p.left(); break;
                case '>': p.right(); break;
                case 'A': entered = p.take(); break;
                case 'B': p.erase(); break;
                }
            times = 0;
        }
        EXPECT_EQ(p.text(), c.text) << c.what;
        EXPECT_EQ(p.place(), c.place) << c.what;
        EXPECT_EQ(p.shown(), c.shown) << c.what;
        EXPECT_EQ(entered, c.entered) << c.what;
    }
}

} // namespace
} // namespace gravok
