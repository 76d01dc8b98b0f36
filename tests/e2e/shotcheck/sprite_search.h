// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>

#include <QImage>
#include <QPoint>
#include <QRect>

namespace gravok::shotcheck {

// How far one colour channel may differ and still count as the same colour: screenshots
// go through the X server's 24-bit visual, where bitmaps come out exact, but a margin
// costs nothing and survives a different visual.
inline constexpr int ChannelTolerance = 40;

[[nodiscard]] bool sameColour(QRgb a, QRgb b, int tolerance = ChannelTolerance);

// A bitmap (of its set) at the size a picture of BASE pixels has at the scale, filtered
// as the view filters it.
[[nodiscard]] QImage scaledSprite(const QImage& sprite, QSize base, double scale);

// The share (0..1) of the sprite's drawn pixels (not black, not transparent) that the
// shot shows at `at` (top-left). Pixels outside `clip` are left out; nothing when no
// drawn pixel of the sprite lies inside it. Gives up early, returning a low share, once
// more than (1 - enough) of the pixels failed.
[[nodiscard]] std::optional<double> spriteShare(const QImage& shot, const QImage& sprite, QPoint at, QRect clip,
                                                double enough = 0.0);

struct SpriteHit {
    QPoint at;
    double share = 0.0;
};

// The best place for the sprite's top-left corner inside `area`, if one shows at least
// `enough` of it; ties go to the place nearest `near`.
[[nodiscard]] std::optional<SpriteHit> findSprite(const QImage& shot, const QImage& sprite, QRect area, QRect clip,
                                                  double enough, QPoint near);

// The area to search for something that started at `start` and moves up to `step`
// pixels per tick for at most `ticks` ticks, plus `margin` pixels every way.
[[nodiscard]] QRect driftArea(QPoint start, QPointF step, int ticks, int margin);

// Pixels of the area whose colour is `colour` (within the tolerance).
[[nodiscard]] int countColour(const QImage& shot, QRect area, QRgb colour, int tolerance = ChannelTolerance);

// Pixel rows of the area that hold bright (text) pixels, grouped into runs: the number of
// text lines, given that lines are separated by at least one empty row.
[[nodiscard]] int textLines(const QImage& shot, QRect area, int minPixelsPerLine = 8);

} // namespace gravok::shotcheck
