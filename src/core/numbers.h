// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace gravok {

// Strict conversion of a whole text (a control's Tag, the score): blanks around the number
// are allowed, anything else is not. Accepts sign, digits, fraction, exponent, &H and &O.
[[nodiscard]] std::optional<double> parseStrict(std::string_view text);

// Strict conversion that throws GameError for a text that is no number.
[[nodiscard]] double numberOf(std::string_view text);

// The episode files' reader: the value of the leading number of a text. Blanks, tabs and
// line feeds are skipped anywhere, reading stops at the first character that cannot go
// on, and text without a leading number reads 0.
[[nodiscard]] double readLenient(std::string_view text);

// Rounds to the nearest 16-bit integer, halves to even; nothing for a value out of range.
[[nodiscard]] std::optional<std::int16_t> roundToInt16(double value);

// The same, throwing GameError when out of range.
[[nodiscard]] std::int16_t toInt16(double value);

// Plain decimal text of an integer: "-25", "0", "100".
[[nodiscard]] std::string decimal(long long value);

// Shortest text that reads back to the same 32-bit float ("146.25", "-67.5", "4372").
[[nodiscard]] std::string floatText(float value);

} // namespace gravok
