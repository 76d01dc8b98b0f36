// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Rocky gravoks (and the program icon, which is the first of them). They
// nearly fill the 32-unit box because the game collides on bitmap bounds.
#include "art.h"

#include <QPainter>
#include <QRadialGradient>
#include <QTransform>

#include <array>
#include <cmath>

namespace artgen {
namespace {

struct RockLook {
    std::uint64_t seed;
    QColor light, base, dark;
    QColor crater;
};

const std::array<RockLook, 3> kRocks = {{
    {0x6a7e11, QColor(206, 218, 180), QColor(118, 134, 100), QColor(38, 50, 34), QColor(70, 84, 58)},
    {0xb1e5, QColor(246, 250, 255), QColor(150, 176, 214), QColor(40, 54, 96), QColor(96, 120, 168)},
    {0xf1c4, QColor(255, 222, 236), QColor(214, 128, 160), QColor(86, 34, 58), QColor(160, 84, 112)},
}};

const QPointF kCentre(16, 16);
constexpr double kInset = 0.9; // keeps the outermost pixel ring black

// One bowl: shadowed on the lit side's inner wall, bright rim facing the light.
void drawCrater(QPainter& p, QPointF c, double r, const RockLook& look)
{
    p.setBrush(withAlpha(look.light, 150));
    p.drawEllipse(c + QPointF(0.35 * r, 0.35 * r), r, r * 0.9);
    QRadialGradient bowl(c + QPointF(0.25 * r, 0.25 * r), r * 1.1, c + QPointF(0.45 * r, 0.45 * r));
    bowl.setColorAt(0.0, look.crater);
    bowl.setColorAt(1.0, mix(look.crater, look.dark, 0.7));
    p.setBrush(bowl);
    p.drawEllipse(c, r, r * 0.9);
}

void drawFlecks(QPainter& p, Rng& rng, const RockLook& look)
{
    for (int i = 0; i < 26; ++i) {
        const QPointF at(rng.uniform(4, 28), rng.uniform(4, 28));
        const bool bright = rng.uniform(0, 1) < 0.45;
        p.setBrush(withAlpha(bright ? look.light : look.dark, bright ? 70 : 90));
        p.drawEllipse(at, rng.uniform(0.5, 1.0), rng.uniform(0.5, 1.0));
    }
}

// Craters placed on a loose ring so they never pile onto one another.
void drawCraters(QPainter& p, Rng& rng, const RockLook& look)
{
    const double sizes[] = {3.6, 2.6, 2.2, 1.7, 1.4};
    const double angle0 = rng.uniform(0, 6.283);
    for (int i = 0; i < 5; ++i) {
        const double a = angle0 + i * 2.4 + rng.uniform(-0.3, 0.3);
        const double d = i == 0 ? rng.uniform(1.0, 3.0) : rng.uniform(6.0, 9.5);
        drawCrater(p, kCentre + QPointF(d * std::cos(a), d * std::sin(a)), sizes[i], look);
    }
}

} // namespace

void drawRock(QPainter& p, int kind)
{
    const RockLook& look = kRocks.at(static_cast<std::size_t>(kind));
    Rng rng(look.seed);
    QPainterPath outline = smoothClosed(lumpyRing(rng, kCentre, 13, 12.4, 15.3), 0.3);
    // Stretch the random outline to the box: collisions use the bitmap bounds.
    const QRectF bounds = outline.boundingRect();
    QTransform fit;
    fit.translate(kInset, kInset);
    fit.scale((32 - 2 * kInset) / bounds.width(), (32 - 2 * kInset) / bounds.height());
    fit.translate(-bounds.left(), -bounds.top());
    outline = fit.map(outline);
    p.save();
    p.setPen(Qt::NoPen);
    shadeLitBody(p, outline, kCentre, 15.5, look.light, look.base, look.dark);
    p.setClipPath(outline);
    drawFlecks(p, rng, look);
    drawCraters(p, rng, look);
    // Faint rim light keeps the shadowed edge from melting into space.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(look.base, 110), 1.2));
    p.drawPath(outline);
    p.restore();
}

} // namespace artgen
