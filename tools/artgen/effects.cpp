// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Small effect sprites: the shot, its flame after a hit, the life heart and
// the three explosion stages.
#include "art.h"

#include <QPainter>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace artgen {
namespace {

// Star-like burst: `points` spikes alternating between rOuter and rInner,
// jittered by a fixed seed so the flames look hand-made but never change.
QPainterPath burst(QPointF c, int points, double rInner, double rOuter, std::uint64_t seed)
{
    Rng rng(seed);
    std::vector<QPointF> pts;
    for (int i = 0; i < 2 * points; ++i) {
        const double a = (i + rng.uniform(-0.2, 0.2)) * std::numbers::pi / points;
        const double r = (i % 2 == 0 ? rOuter : rInner) * rng.uniform(0.82, 1.0);
        pts.emplace_back(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    }
    return smoothClosed(pts);
}

void fillRadial(QPainter& p, const QPainterPath& shape, QPointF c, double r,
                std::initializer_list<std::pair<double, QColor>> stops)
{
    QRadialGradient g(c, r);
    for (const auto& [at, colour] : stops)
        g.setColorAt(at, colour);
    p.setBrush(g);
    p.drawPath(shape);
}

// Upward flame tongue: round bottom, pointed wavy tip.
QPainterPath flameTongue(QPointF base, double halfWidth, double height)
{
    QPainterPath f;
    f.moveTo(base + QPointF(0, -height));
    f.cubicTo(base + QPointF(halfWidth * 0.3, -height * 0.7), base + QPointF(halfWidth * 1.1, -height * 0.45),
              base + QPointF(halfWidth, -height * 0.1));
    f.cubicTo(base + QPointF(halfWidth * 0.9, height * 0.12), base + QPointF(-halfWidth * 0.9, height * 0.12),
              base + QPointF(-halfWidth, -height * 0.1));
    f.cubicTo(base + QPointF(-halfWidth * 1.05, -height * 0.5), base + QPointF(-halfWidth * 0.1, -height * 0.55),
              base + QPointF(0, -height));
    f.closeSubpath();
    return f;
}

void drawFlameAt(QPainter& p, QPointF base, double halfWidth, double height)
{
    const QPointF hot = base + QPointF(0, -height * 0.22);
    fillRadial(p, flameTongue(base, halfWidth, height), hot, height * 0.85,
               {{0.0, QColor(255, 255, 200)},
                {0.35, QColor(255, 210, 60)},
                {0.7, QColor(245, 100, 20)},
                {1.0, QColor(180, 30, 10)}});
    fillRadial(p, flameTongue(base, halfWidth * 0.48, height * 0.58), hot, height * 0.4,
               {{0.0, QColor(255, 255, 255)}, {1.0, QColor(255, 230, 110)}});
}

} // namespace

void drawShot(QPainter& p)
{
    p.save();
    p.setPen(Qt::NoPen);
    const QPointF c(4.5, 4.5);
    QPainterPath ball;
    ball.addEllipse(c, 4.0, 4.0);
    fillRadial(p, ball, c, 4.0,
               {{0.0, QColor(255, 255, 230)},
                {0.3, QColor(255, 220, 90)},
                {0.65, QColor(255, 130, 20)},
                {1.0, QColor(150, 40, 0, 0)}});
    p.restore();
}

void drawShotFlame(QPainter& p)
{
    p.save();
    p.setPen(Qt::NoPen);
    drawFlameAt(p, QPointF(4.5, 6.9), 3.0, 6.0);
    p.restore();
}

void drawHeart(QPainter& p)
{
    p.save();
    p.setPen(Qt::NoPen);
    QPainterPath heart;
    heart.moveTo(9, 16.2);
    heart.cubicTo(4.5, 12.5, 0.9, 10.0, 0.9, 5.9);
    heart.cubicTo(0.9, 3.0, 3.0, 1.3, 5.2, 1.3);
    heart.cubicTo(7.0, 1.3, 8.3, 2.4, 9, 3.9);
    heart.cubicTo(9.7, 2.4, 11.0, 1.3, 12.8, 1.3);
    heart.cubicTo(15.0, 1.3, 17.1, 3.0, 17.1, 5.9);
    heart.cubicTo(17.1, 10.0, 13.5, 12.5, 9, 16.2);
    heart.closeSubpath();
    QRadialGradient g(QPointF(7.5, 6.5), 10.5, QPointF(5.5, 4.5));
    g.setColorAt(0.0, QColor(255, 150, 160));
    g.setColorAt(0.35, QColor(238, 30, 48));
    g.setColorAt(1.0, QColor(120, 0, 16));
    p.setBrush(g);
    p.drawPath(heart);
    p.setBrush(QColor(255, 235, 240, 210)); // glossy highlight
    p.drawEllipse(QPointF(4.9, 4.9), 1.6, 1.1);
    p.restore();
}

void drawExplosion(QPainter& p, int stage)
{
    p.save();
    p.setPen(Qt::NoPen);
    const QPointF c(16, 16);
    if (stage == 0) {
        drawFlameAt(p, QPointF(16, 23), 6.0, 14.0);
    } else if (stage == 1) {
        fillRadial(p, burst(c, 9, 6.5, 12.5, 0xb0a1), c, 12.5,
                   {{0.0, QColor(255, 250, 180)},
                    {0.3, QColor(255, 190, 40)},
                    {0.65, QColor(240, 90, 20)},
                    {1.0, QColor(150, 20, 10)}});
        fillRadial(p, burst(c, 7, 3.5, 6.5, 0xb0a2), c, 6.5,
                   {{0.0, QColor(255, 255, 240)}, {1.0, QColor(255, 220, 90)}});
    } else {
        fillRadial(p, burst(c, 12, 10.0, 15.4, 0xb0a3), c, 15.4,
                   {{0.0, QColor(255, 255, 255)},
                    {0.45, QColor(255, 250, 190)},
                    {0.75, QColor(255, 215, 70)},
                    {1.0, QColor(230, 120, 20)}});
        fillRadial(p, burst(c, 9, 6.0, 9.5, 0xb0a4), c, 9.5,
                   {{0.0, QColor(255, 255, 255)}, {0.6, QColor(255, 255, 235)}, {1.0, QColor(255, 245, 170)}});
    }
    p.restore();
}

} // namespace artgen
