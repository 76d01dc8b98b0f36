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

// How far a shot of this heading flies in one tick.
[[nodiscard]] Step shotStep(int heading);

// Whether a shot with HEADING, asked for after DELAY more ticks, would hit a gravok that
// is at TARGET now and moves by VELOCITY per tick, before the shot leaves the field. The
// shuttle is taken to stand still; the gravok to fly straight on.
[[nodiscard]] bool shotWouldHit(const Box& shuttle, int heading, int delay, const Box& target, Step velocity);

// Where to aim so that a shot from (fromX, fromY) meets a gravok moving by VELOCITY.
[[nodiscard]] Step interceptPoint(double fromX, double fromY, const Box& target, Step velocity);

// Slot 1..Anzahl of the active gravok nearest to the shuttle, 0 when none is active.
[[nodiscard]] int nearestGravok(Game& game);

// The heading from the shuttle's centre toward gravok K, led by its motion.
[[nodiscard]] int headingToGravok(Game& game, int k);

} // namespace gravok
