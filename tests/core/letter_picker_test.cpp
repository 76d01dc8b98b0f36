// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/letter_picker.h"

#include <gtest/gtest.h>

namespace gravok {
namespace {

// Starts at the open place behind START, then plays MOVES: U up, D down, < left, > right,
// A take, B erase; a number repeats the next move. Gives the text, "@" the place, and "!"
// once entered.
std::u32string play(const std::u32string& start, std::size_t max, const char* moves)
{
    LetterPicker p(max);
    p.setText(start);
    for (std::size_t i = 0; i < start.size(); ++i)
        p.right();
    bool entered = false;
    for (int times = 0; *moves; ++moves) {
        if (*moves >= '0' && *moves <= '9') {
            times = times * 10 + (*moves - '0');
            continue;
        }
        for (int i = 0; i < std::max(times, 1); ++i)
            switch (*moves) {
            case 'U': p.up(); break;
            case 'D': p.down(); break;
            case '<': p.left(); break;
            case '>': p.right(); break;
            case 'B': p.erase(); break;
            default: entered = p.take();
            }
        times = 0;
    }
    return p.text() + U"@" + std::u32string(p.place(), U'.') + p.shown() + (entered ? U"!" : U"");
}

TEST(LetterPicker, Moves)
{
    const std::u32string x29(29, U'X');
    const struct {
        std::u32string start;
        std::size_t max;
        const char* moves;
        std::u32string after;
    } cases[] = {
        {U"", 30, "DA", U"'@.'"},                                               // down from A wraps to the last sign
        {U"", 30, "DUA", U"A@.A"},                                              // and up from it back to A
        {U"", 30, "25UA1UA2UA", U"ZÄÜ@...Ü"},                                   // the umlauts follow Z
        {U"", 30, "29UA1UA1UA", U"ß 0@...0"},                                   // ß, the blank, the digits
        {U"", 30, "AA<<UU", U"CA@C"},                                           // a taken letter turned again
        {U"xy", 30, "<<U>D", U"A'@.'"},                                         // typed letters turn onto the wheel
        {U"ABC", 30, "<<B", U"AC@.C"},                                          // B deletes the letter at the place
        {U"ABC", 30, "B", U"AB@..A"},                                           // and the last one from the open place
        {U"", 30, "B<", U"@A"},                                                 // nothing to delete, nowhere left
        {U"AB", 30, ">>A", U"AB@..." + std::u32string(1, U'\0') + U"!"},        // "Fertig" lies behind the open place
        {x29, 30, "AA", x29 + U"A@" + std::u32string(30, U'.') + U'\0' + U"!"}, // the limit
        {U"", 2, "AAB", U"A@.A"},                                               // B on "Fertig" of a full name
        // a longer name is cut to the limit
        {std::u32string(40, U'X'), 30, "", std::u32string(30, U'X') + U"@" + std::u32string(30, U'.') + U'\0'},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(play(c.start, c.max, c.moves) == c.after) << c.moves;
}

} // namespace
} // namespace gravok
