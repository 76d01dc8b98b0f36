// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include "errors.h"

namespace gravok {

// Every game integer is 16 bits wide; leaving that range is an error, never a silent wrap.
[[nodiscard]] inline std::int16_t checked16(long long v)
{
    if (v < -32768 || v > 32767)
        throwOverflow16(v);
    return static_cast<std::int16_t>(v);
}

class I16 {
public:
    constexpr I16() = default;
    I16(long long v) : v_(checked16(v)) {}        // NOLINT: game code assigns plain numbers
    constexpr operator int() const { return v_; } // NOLINT
    [[nodiscard]] constexpr std::int16_t raw() const { return v_; }

    I16& operator+=(long long b)
    {
        v_ = checked16(static_cast<long long>(v_) + b);
        return *this;
    }
    I16& operator-=(long long b)
    {
        v_ = checked16(static_cast<long long>(v_) - b);
        return *this;
    }
    I16& operator*=(long long b)
    {
        v_ = checked16(static_cast<long long>(v_) * b);
        return *this;
    }
    I16& operator++() { return *this += 1; }
    I16& operator--() { return *this -= 1; }

private:
    std::int16_t v_ = 0;
};

inline I16 operator+(I16 a, I16 b)
{
    return I16(static_cast<long long>(a.raw()) + b.raw());
}
inline I16 operator-(I16 a, I16 b)
{
    return I16(static_cast<long long>(a.raw()) - b.raw());
}
inline I16 operator*(I16 a, I16 b)
{
    return I16(static_cast<long long>(a.raw()) * b.raw());
}
inline I16 operator+(I16 a, int b)
{
    return I16(static_cast<long long>(a.raw()) + b);
}
inline I16 operator-(I16 a, int b)
{
    return I16(static_cast<long long>(a.raw()) - b);
}
inline I16 operator*(I16 a, int b)
{
    return I16(static_cast<long long>(a.raw()) * b);
}
inline I16 operator+(int a, I16 b)
{
    return I16(a + static_cast<long long>(b.raw()));
}
inline I16 operator-(int a, I16 b)
{
    return I16(a - static_cast<long long>(b.raw()));
}
inline I16 operator*(int a, I16 b)
{
    return I16(a * static_cast<long long>(b.raw()));
}
inline I16 operator-(I16 a)
{
    return I16(-static_cast<long long>(a.raw()));
}

} // namespace gravok
