// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "players/heading.h"

#include <cmath>
#include <numbers>

namespace gravok {

int headingToward(double fromX, double fromY, double toX, double toY)
{
    const double dx = toX - fromX;
    const double dy = toY - fromY;
    if (dx == 0 && dy == 0)
        return 0;
    // Clockwise from up: atan2 of (right, up) instead of the usual (up, right).
    double degrees = std::atan2(dx, -dy) * 180.0 / std::numbers::pi;
    if (degrees < 0)
        degrees += 360.0;
    const int sector = static_cast<int>(std::floor((degrees + 11.25) / 22.5)) % 16;
    return sector + 1;
}

int turnToward(int from, int to)
{
    const int clockwise = ((to - from) % 16 + 16) % 16;
    if (clockwise == 0)
        return 0;
    return clockwise <= 8 ? +1 : -1;
}

int turnsBetween(int from, int to)
{
    const int clockwise = ((to - from) % 16 + 16) % 16;
    return clockwise <= 8 ? clockwise : 16 - clockwise;
}

} // namespace gravok
