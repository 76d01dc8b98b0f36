// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "numbers.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

#include "errors.h"

namespace gravok {
namespace {

struct Scanned {
    double value = 0;
    std::size_t end = 0; // one past the last character that belongs to the number
    bool found = false;  // at least one digit was read
};

bool isDigitIn(char c, int base)
{
    if (base == 16)
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
    if (base == 8)
        return c >= '0' && c <= '7';
    return c >= '0' && c <= '9';
}

int digitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    return (c | 0x20) - 'a' + 10;
}

Scanned scanRadix(std::string_view t, std::size_t pos, int base)
{
    Scanned s;
    while (pos < t.size() && isDigitIn(t[pos], base)) {
        s.value = s.value * base + digitValue(t[pos]);
        s.found = true;
        ++pos;
    }
    s.end = pos;
    return s;
}

std::size_t skipDigits(std::string_view t, std::size_t pos)
{
    while (pos < t.size() && isDigitIn(t[pos], 10))
        ++pos;
    return pos;
}

// Reads the longest number at the start of t: sign, digits, fraction, exponent, or &H / &O.
Scanned scanNumber(std::string_view t)
{
    if (t.size() >= 2 && t[0] == '&') {
        const char p = static_cast<char>(t[1] | 0x20);
        if (p == 'h')
            return scanRadix(t, 2, 16);
        if (p == 'o')
            return scanRadix(t, 2, 8);
        return {};
    }
    std::size_t pos = 0;
    if (pos < t.size() && (t[pos] == '+' || t[pos] == '-'))
        ++pos;
    const std::size_t intStart = pos;
    pos = skipDigits(t, pos);
    bool found = pos > intStart;
    if (pos < t.size() && t[pos] == '.') {
        const std::size_t fracStart = pos + 1;
        const std::size_t fracEnd = skipDigits(t, fracStart);
        if (found || fracEnd > fracStart) {
            found = found || fracEnd > fracStart;
            pos = fracEnd;
        }
    }
    if (!found)
        return {};
    std::size_t end = pos;
    if (pos < t.size() && (t[pos] == 'e' || t[pos] == 'E' || t[pos] == 'd' || t[pos] == 'D')) {
        std::size_t e = pos + 1;
        if (e < t.size() && (t[e] == '+' || t[e] == '-'))
            ++e;
        const std::size_t expEnd = skipDigits(t, e);
        if (expEnd > e)
            end = expEnd;
    }
    std::string clean(t.substr(0, end));
    for (char& c : clean)
        if (c == 'd' || c == 'D')
            c = 'e';
    const char* first = clean.data() + (clean[0] == '+' ? 1 : 0);
    Scanned s;
    auto [ptr, ec] = std::from_chars(first, clean.data() + clean.size(), s.value);
    if (ec == std::errc::result_out_of_range)
        s.value = std::strtod(first, nullptr); // ±HUGE_VAL on overflow, 0 on underflow
    (void)ptr;
    s.end = end;
    s.found = true;
    return s;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

} // namespace

std::optional<double> parseStrict(std::string_view text)
{
    std::size_t a = 0;
    std::size_t b = text.size();
    while (a < b && isBlank(text[a]))
        ++a;
    while (b > a && isBlank(text[b - 1]))
        --b;
    const std::string_view core = text.substr(a, b - a);
    const Scanned s = scanNumber(core);
    if (!s.found || s.end != core.size())
        return std::nullopt;
    return s.value;
}

double numberOf(std::string_view text)
{
    if (auto v = parseStrict(text))
        return *v;
    throw GameError({GRAVOK_TEXT("Meldungen", "Typen unverträglich: \"%1\" ist keine Zahl"),
                     {Message::literal(std::string(text))}});
}

double readLenient(std::string_view text)
{
    std::string packed;
    packed.reserve(text.size());
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n')
            packed.push_back(c);
    return scanNumber(packed).value;
}

std::optional<std::int16_t> roundToInt16(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    // nearbyint follows the default rounding mode: to nearest, halves to even.
    const double r = std::nearbyint(value);
    if (r < -32768.0 || r > 32767.0)
        return std::nullopt;
    return static_cast<std::int16_t>(r);
}

std::int16_t toInt16(double value)
{
    if (auto v = roundToInt16(value))
        return *v;
    throw GameError({GRAVOK_TEXT("Meldungen", "Überlauf: %1 passt in keine 16-Bit-Zahl"),
                     {Message::literal(floatText(static_cast<float>(value)))}});
}

std::string decimal(long long value)
{
    return std::to_string(value);
}

std::string floatText(float value)
{
    std::array<char, 64> buf{};
    // Fixed notation keeps large twip values readable ("100000", not "1e+05").
    const auto format = std::fabs(value) < 1e15f ? std::chars_format::fixed : std::chars_format::general;
    auto [ptr, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), value, format);
    (void)ec;
    return std::string(buf.data(), ptr);
}

} // namespace gravok
