// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/drawn_place.h"

#include <cmath>

#include "core/pictures.h"

namespace gravok {
namespace {

// Whole pixels, rounded as the view places a control.
double pixels(float twips)
{
    return static_cast<double>(std::lround(twips / TwipsPerPixel));
}

// The model wraps an object once it is wholly off one side, to just off the other, so
// along an axis the field repeats every field plus object. How many such turns to add to
// TO to reach it the short way from FROM.
int turns(float from, float to, float period)
{
    const float d = to - from;
    if (d > period / 2)
        return -1;
    if (d < -period / 2)
        return 1;
    return 0;
}

struct Axis {
    float from, to, size, field;
};

// The drawn coordinate along one axis, or nothing when the move is too long to slide.
bool slide(const Axis& a, const Mover& m, double fraction, double& drawn)
{
    const float period = a.field + a.size;
    const int k = m.wraps ? turns(a.from, a.to, period) : 0;
    if (std::fabs(a.to + static_cast<float>(k) * period - a.from) > m.largestStep)
        return false;
    const double periodPx = pixels(a.field) + pixels(a.size);
    const double start = pixels(a.from);
    const double end = pixels(a.to) + k * periodPx;
    double x = start + (end - start) * fraction;
    // Past the edge it crossed, it is drawn on the other side, as the model puts it.
    if (k != 0 && x > pixels(a.field))
        x -= periodPx;
    else if (k != 0 && x < -pixels(a.size))
        x += periodPx;
    drawn = x;
    return true;
}

} // namespace

DrawnPoint drawnPlace(const TickPlace& from, const TickPlace& to, const Mover& mover, const Field& field,
                      double fraction)
{
    const DrawnPoint stepped{pixels(to.left), pixels(to.top)};
    if (!from.flying || !to.flying || !(fraction < 1))
        return stepped;
    const double f = fraction > 0 ? fraction : 0;
    DrawnPoint p;
    if (!slide({from.left, to.left, mover.width, field.width}, mover, f, p.x) ||
        !slide({from.top, to.top, mover.height, field.height}, mover, f, p.y))
        return stepped;
    return p;
}

} // namespace gravok
