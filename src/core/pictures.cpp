// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures.h"

namespace gravok {

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

} // namespace gravok
