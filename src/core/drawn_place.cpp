// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/drawn_place.h"

#include <algorithm>
#include <cmath>
#include <optional>

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

// The end along one axis, unrolled from NOW, or nothing when the move is too long to slide.
std::optional<double> endAlong(float now, float next, float size, float field, const Mover& m)
{
    const float period = field + size;
    const int k = m.wraps ? turns(now, next, period) : 0;
    if (std::fabs(next + static_cast<float>(k) * period - now) > m.largestStep)
        return std::nullopt;
    return pixels(next) + k * (pixels(field) + pixels(size));
}

// Past the edge it crossed, a wrapping object is drawn on the other side, as the model
// puts it.
double shownAlong(double x, double field, double size, bool wraps)
{
    if (wraps && x > field)
        return x - (field + size);
    if (wraps && x < -size)
        return x + (field + size);
    return x;
}

Way aimed(DrawnPoint start, double startFraction, const TickPlace& now, const TickPlace& next, const Mover& m,
          const Field& f)
{
    Way w{start, start,   {pixels(next.left), pixels(next.top)}, startFraction,
          false, m.wraps, {pixels(f.width), pixels(f.height)},   {pixels(m.width), pixels(m.height)}};
    if (!now.flying || !next.flying || !(startFraction < 1))
        return w;
    const auto x = endAlong(now.left, next.left, m.width, f.width, m);
    const auto y = endAlong(now.top, next.top, m.height, f.height, m);
    if (!x || !y)
        return w;
    w.end = {*x, *y};
    w.slides = true;
    return w;
}

// On the unrolled field.
DrawnPoint unrolled(const Way& w, double fraction)
{
    if (!w.slides || !(fraction > w.startFraction))
        return w.start;
    const double t = std::min(1.0, (fraction - w.startFraction) / (1 - w.startFraction));
    return {w.start.x + (w.end.x - w.start.x) * t, w.start.y + (w.end.y - w.start.y) * t};
}

} // namespace

Way wayAhead(const TickPlace& now, const TickPlace& next, const Mover& mover, const Field& field)
{
    return aimed({pixels(now.left), pixels(now.top)}, 0, now, next, mover, field);
}

Way reaimed(const Way& way, double fraction, const TickPlace& now, const TickPlace& next, const Mover& mover,
            const Field& field)
{
    const double f = std::clamp(fraction, way.startFraction, 1.0);
    return aimed(unrolled(way, f), f, now, next, mover, field);
}

DrawnPoint drawnOn(const Way& way, double fraction)
{
    if (way.slides && !(fraction < 1))
        return way.landing;
    const DrawnPoint p = unrolled(way, fraction);
    return {shownAlong(p.x, way.field.x, way.size.x, way.wraps), shownAlong(p.y, way.field.y, way.size.y, way.wraps)};
}

} // namespace gravok
