// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "app/game.h"
#include "core/control.h"

namespace gravok {

// What a player sees of the field: rectangles in twips and steps per tick.
struct Box {
    double left = 0, top = 0, width = 0, height = 0;
    [[nodiscard]] double centreX() const { return left + width / 2; }
    [[nodiscard]] double centreY() const { return top + height / 2; }
};
struct Step {
    double x = 0, y = 0;
};

[[nodiscard]] Box boxOf(const Control& c);

// Whether a shot with HEADING, asked for after DELAY more ticks, would hit a gravok that
// is at TARGET now and moves by VELOCITY per tick, before the shot leaves the field. The
// shuttle is taken to stand still; the gravok to fly straight on.
[[nodiscard]] bool shotWouldHit(const Box& shuttle, int heading, int delay, const Box& target, Step velocity);

// Slot 1..Anzahl of the active gravok nearest to the shuttle, 0 when none is active.
[[nodiscard]] int nearestGravok(Game& game);

// The heading from the shuttle's centre toward gravok K, led by its motion.
[[nodiscard]] int headingToGravok(Game& game, int k);

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
