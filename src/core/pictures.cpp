// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures.h"

#include <array>

namespace gravok {
namespace {

constexpr std::array<int, 50> Numbers = {
    1,   2,   3,   4,   5,   6,   7,   8,   9,   10,  11,  12,  13,  14,  15,  16,  21,
    22,  23,  24,  25,  26,  27,  28,  29,  30,  31,  32,  33,  34,  35,  36,  50,  51,
    60,  101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 111, 112, 151, 152, 153};

} // namespace

std::optional<PixelSize> pictureSize(int n)
{
    if ((n >= 1 && n <= 16) || (n >= 21 && n <= 36))
        return PixelSize{57, 57};
    if (n == 50 || n == 51)
        return PixelSize{9, 9};
    if (n == 60)
        return PixelSize{18, 18};
    if (n == 112) // the one gravok drawn smaller than its siblings
        return PixelSize{30, 30};
    if ((n >= 101 && n <= 111) || (n >= 151 && n <= 153))
        return PixelSize{32, 32};
    return std::nullopt;
}

std::span<const int> pictureNumbers()
{
    return Numbers;
}

} // namespace gravok
