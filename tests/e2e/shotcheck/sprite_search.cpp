// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sprite_search.h"

#include <cmath>
#include <cstdlib>

namespace gravok::shotcheck {
namespace {

bool drawn(QRgb p)
{
    return qAlpha(p) >= 128 && qRed(p) + qGreen(p) + qBlue(p) >= 30;
}

bool bright(QRgb p)
{
    return qRed(p) + qGreen(p) + qBlue(p) >= 3 * 128;
}

} // namespace

bool sameColour(QRgb a, QRgb b, int tolerance)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

QImage scaledSprite(const QImage& sprite, QSize base, double scale)
{
    QImage argb = sprite.convertToFormat(QImage::Format_ARGB32);
    const QSize size(static_cast<int>(std::lround(base.width() * scale)),
                     static_cast<int>(std::lround(base.height() * scale)));
    if (argb.size() == size)
        return argb;
    return argb.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

std::optional<double> spriteShare(const QImage& shot, const QImage& sprite, QPoint at, QRect clip, double enough)
{
    clip &= shot.rect();
    int total = 0;
    for (int y = 0; y < sprite.height(); ++y)
        for (int x = 0; x < sprite.width(); ++x)
            if (drawn(sprite.pixel(x, y)) && clip.contains(at + QPoint(x, y)))
                ++total;
    if (total == 0)
        return std::nullopt;
    const int allowedMisses = static_cast<int>(std::floor((1.0 - enough) * total));
    int misses = 0;
    for (int y = 0; y < sprite.height(); ++y) {
        for (int x = 0; x < sprite.width(); ++x) {
            const QRgb s = sprite.pixel(x, y);
            const QPoint p = at + QPoint(x, y);
            if (!drawn(s) || !clip.contains(p))
                continue;
            if (!sameColour(shot.pixel(p), s) && ++misses > allowedMisses && enough > 0.0)
                return 0.0; // cannot reach `enough` any more
        }
    }
    return static_cast<double>(total - misses) / total;
}

std::optional<SpriteHit> findSprite(const QImage& shot, const QImage& sprite, QRect area, QRect clip, double enough,
                                    QPoint near)
{
    std::optional<SpriteHit> best;
    auto distance = [near](QPoint p) { return (p - near).manhattanLength(); };
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QPoint at(x, y);
            const auto share = spriteShare(shot, sprite, at, clip, enough);
            if (!share || *share < enough)
                continue;
            if (!best || *share > best->share || (*share == best->share && distance(at) < distance(best->at)))
                best = SpriteHit{at, *share};
        }
    }
    return best;
}

QRect driftArea(QPoint start, QPointF step, int ticks, int margin)
{
    const int dx = static_cast<int>(std::ceil(std::abs(step.x()) * ticks)) + margin;
    const int dy = static_cast<int>(std::ceil(std::abs(step.y()) * ticks)) + margin;
    return QRect(start - QPoint(dx, dy), start + QPoint(dx, dy));
}

int countColour(const QImage& shot, QRect area, QRgb colour, int tolerance)
{
    area &= shot.rect();
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (sameColour(shot.pixel(x, y), colour, tolerance))
                ++n;
    return n;
}

int textLines(const QImage& shot, QRect area, int minPixelsPerLine)
{
    area &= shot.rect();
    int lines = 0;
    int runPixels = 0;
    bool inRun = false;
    for (int y = area.top(); y <= area.bottom() + 1; ++y) {
        int rowPixels = 0;
        if (y <= area.bottom())
            for (int x = area.left(); x <= area.right(); ++x)
                rowPixels += bright(shot.pixel(x, y)) ? 1 : 0;
        if (rowPixels > 0) {
            inRun = true;
            runPixels += rowPixels;
            continue;
        }
        if (inRun && runPixels >= minPixelsPerLine)
            ++lines;
        inRun = false;
        runPixels = 0;
    }
    return lines;
}

} // namespace gravok::shotcheck
