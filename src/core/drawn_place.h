// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Where a moving picture is drawn between two ticks of the game. No toolkit: the view
// asks, the rules never do.
#pragma once

namespace gravok {

// One object at one tick, as the model holds it (twips, relative to the field).
struct TickPlace {
    float left = 0;
    float top = 0;
    // Shown and moving on its own: a shot in flight, a gravok in play, the shuttle.
    bool flying = false;
};

// What the object is and may do in one tick.
struct Mover {
    float width = 0;
    float height = 0;
    float largestStep = 0; // on either axis, in twips
    bool wraps = false;    // leaves the field on one side and comes back on the other
};

struct Field {
    float width = 0;
    float height = 0;
};

// A top-left corner in field pixels, fractions allowed.
struct DrawnPoint {
    double x = 0;
    double y = 0;
    friend bool operator==(const DrawnPoint&, const DrawnPoint&) = default;
};

// Where to draw an object FRACTION (0 to 1) of a tick interval after the tick that
// brought it from FROM to TO. It slides the short way round the field when it kept flying
// and moved no more than its largest step on each axis; otherwise it is drawn at TO at once.
// At fraction 1 it is exactly where a stepped frame draws TO.
[[nodiscard]] DrawnPoint drawnPlace(const TickPlace& from, const TickPlace& to, const Mover& mover, const Field& field,
                                    double fraction);

} // namespace gravok
