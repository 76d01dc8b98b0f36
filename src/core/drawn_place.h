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
    friend bool operator==(const TickPlace&, const TickPlace&) = default;
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

// One picture's way over a tick interval, in field pixels along the field unrolled the short
// way round: from START, where it is drawn at START_FRACTION of the interval, to END, its
// place at the next tick. A picture that does not slide stands at START until the tick.
struct Way {
    DrawnPoint start, end;
    DrawnPoint landing; // END as the model draws it, on the field
    double startFraction = 0;
    bool slides = false;
    bool wraps = false;
    DrawnPoint field, size; // in pixels: past an edge it is drawn on the other side
};

// The way from NOW, where the model has the object, to NEXT, where the next tick puts it.
// It slides when it flies at both and moves no more than its largest step on each axis;
// otherwise it stands where it is now, and the tick moves it at once.
[[nodiscard]] Way wayAhead(const TickPlace& now, const TickPlace& next, const Mover& mover, const Field& field);
// The way from where WAY has the picture at FRACTION toward another NEXT, foretold after an
// input: the picture turns without a jump.
[[nodiscard]] Way reaimed(const Way& way, double fraction, const TickPlace& now, const TickPlace& next,
                          const Mover& mover, const Field& field);
// Where to draw the picture at FRACTION (0 to 1) of the interval; at 1, exactly where a
// stepped frame draws its next place.
[[nodiscard]] DrawnPoint drawnOn(const Way& way, double fraction);

} // namespace gravok
