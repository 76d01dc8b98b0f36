// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace gravok {

// The heading 1..16 nearest to the direction from (fromX, fromY) to (toX, toY), in field
// coordinates where y grows downwards: 1 is up, counted clockwise in steps of 22.5°, so 5
// is right, 9 down and 13 left. 0 when the two points are the same.
[[nodiscard]] int headingToward(double fromX, double fromY, double toX, double toY);

// The one key that brings heading FROM closer to heading TO: -1 for Left, +1 for Right,
// 0 when they agree. Half a circle away turns Right.
[[nodiscard]] int turnToward(int from, int to);

// How many single turns lie between two headings, 0 to 8.
[[nodiscard]] int turnsBetween(int from, int to);

} // namespace gravok
