// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Planet gravoks: ringed, blue-green, banded and three fantasy worlds. Each
// surface is painted flat inside its disc and then given one shared light
// (upper left) so the set looks like it lives in the same sky.
#include "art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>

namespace artgen {
namespace {

QPainterPath disc(QPointF c, double r)
{
    QPainterPath path;
    path.addEllipse(c, r, r);
    return path;
}

// Darkens the far side and adds a soft highlight; call with the disc clipped.
void lightSphere(QPainter& p, QPointF c, double r, QColor rim)
{
    QRadialGradient shade(c + QPointF(-0.35 * r, -0.4 * r), r * 1.55);
    shade.setColorAt(0.0, QColor(255, 255, 255, 70));
    shade.setColorAt(0.3, QColor(255, 255, 255, 0));
    shade.setColorAt(0.62, QColor(0, 0, 0, 0));
    shade.setColorAt(1.0, QColor(0, 0, 0, 215));
    p.setBrush(shade);
    p.drawEllipse(c, r, r);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(rim, 150), 0.9)); // thin atmosphere on the lit limb
    p.drawArc(QRectF(c.x() - r + 0.45, c.y() - r + 0.45, 2 * r - 0.9, 2 * r - 0.9), 70 * 16, 110 * 16);
    p.setPen(Qt::NoPen);
}

// Wavy latitude band between y0 and y1 (before the planet's tilt).
QPainterPath band(double x0, double x1, double y0, double y1, double amp, double phase)
{
    QPainterPath path;
    const int steps = 24;
    for (int i = 0; i <= steps; ++i) {
        const double x = x0 + (x1 - x0) * i / steps;
        const QPointF pt(x, y0 + amp * std::sin(x * 0.55 + phase));
        i == 0 ? path.moveTo(pt) : path.lineTo(pt);
    }
    for (int i = steps; i >= 0; --i) {
        const double x = x0 + (x1 - x0) * i / steps;
        path.lineTo(x, y1 + amp * std::sin(x * 0.5 + phase + 1.7));
    }
    path.closeSubpath();
    return path;
}

struct Band {
    double y0, y1;
    QColor colour;
};

void drawBandedSurface(QPainter& p, QPointF c, double r, double tilt, QColor base, const std::vector<Band>& bands)
{
    p.setBrush(base);
    p.drawEllipse(c, r, r);
    p.save();
    p.translate(c);
    p.rotate(tilt);
    double phase = 0.3;
    for (const Band& b : bands) {
        p.setBrush(b.colour);
        p.drawPath(band(-r - 1, r + 1, b.y0, b.y1, 0.45, phase));
        phase += 1.9;
    }
    p.restore();
}

QPainterPath ringPath(double rx, double ry, double width)
{
    QPainterPath ring;
    ring.addEllipse(QPointF(0, 0), rx, ry);
    ring.addEllipse(QPointF(0, 0), rx - width, ry - width * ry / rx);
    ring.setFillRule(Qt::OddEvenFill);
    return ring;
}

void drawRing(QPainter& p, bool frontHalf)
{
    p.save();
    p.translate(16, 16);
    p.rotate(-22);
    p.setClipRect(frontHalf ? QRectF(-20, 0, 40, 20) : QRectF(-20, -20, 40, 20));
    QLinearGradient g(-15.4, 0, 15.4, 0);
    g.setColorAt(0.0, QColor(250, 230, 180));
    g.setColorAt(0.5, QColor(196, 160, 110));
    g.setColorAt(1.0, QColor(110, 86, 60));
    p.setBrush(g);
    p.drawPath(ringPath(15.4, 5.4, 4.2));
    p.setBrush(QColor(40, 30, 24, 200)); // gap between the two rings
    p.drawPath(ringPath(13.6, 4.77, 0.7));
    p.restore();
}

void drawRinged(QPainter& p)
{
    const QPointF c(16, 16);
    const double r = 10.9;
    drawRing(p, false);
    p.save();
    p.setClipPath(disc(c, r));
    drawBandedSurface(
        p, c, r, -22, QColor(226, 196, 130),
        {{-7.5, -5.0, QColor(196, 150, 92)}, {-1.0, 1.6, QColor(240, 220, 170)}, {4.0, 6.6, QColor(186, 136, 84)}});
    lightSphere(p, c, r, QColor(255, 240, 200));
    p.restore();
    drawRing(p, true);
}

void drawContinents(QPainter& p, QPointF c)
{
    Rng rng(0xea27);
    const QPointF spots[] = {{-5, -4}, {5, 3}, {-2, 8}, {7, -8}};
    const double sizes[] = {6.0, 5.5, 3.5, 3.0};
    for (int i = 0; i < 4; ++i) {
        const QPainterPath land = smoothClosed(lumpyRing(rng, c + spots[i], 9, sizes[i] * 0.55, sizes[i]));
        QLinearGradient g(c + spots[i] - QPointF(sizes[i], sizes[i]), c + spots[i] + QPointF(sizes[i], sizes[i]));
        g.setColorAt(0.0, QColor(120, 210, 90));
        g.setColorAt(1.0, QColor(40, 130, 60));
        p.setBrush(g);
        p.drawPath(land);
    }
    p.setPen(QPen(QColor(255, 255, 255, 150), 1.1, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - 11, c.y() - 2, 14, 8), 200 * 16, 120 * 16); // cloud streaks
    p.drawArc(QRectF(c.x() - 2, c.y() - 12, 12, 7), 20 * 16, 110 * 16);
    p.setPen(Qt::NoPen);
}

void drawBlueGreen(QPainter& p)
{
    const QPointF c(16, 16);
    const double r = 14.6;
    p.save();
    p.setClipPath(disc(c, r));
    QRadialGradient sea(c, r);
    sea.setColorAt(0.0, QColor(40, 140, 230));
    sea.setColorAt(1.0, QColor(20, 70, 170));
    p.setBrush(sea);
    p.drawEllipse(c, r, r);
    drawContinents(p, c);
    lightSphere(p, c, r, QColor(150, 220, 255));
    p.restore();
}

void drawBanded(QPainter& p)
{
    const QPointF c(16, 16);
    const double r = 14.6;
    p.save();
    p.setClipPath(disc(c, r));
    drawBandedSurface(p, c, r, 8, QColor(236, 214, 176),
                      {{-13, -9.5, QColor(176, 122, 80)},
                       {-6.5, -3.8, QColor(206, 150, 96)},
                       {-1.2, 1.0, QColor(250, 236, 206)},
                       {3.2, 6.3, QColor(170, 104, 64)},
                       {9.0, 11.5, QColor(196, 150, 110)}});
    p.setBrush(QColor(210, 84, 52)); // storm spot
    p.drawEllipse(c + QPointF(4.5, 5.0), 2.8, 1.7);
    p.setBrush(QColor(240, 150, 110));
    p.drawEllipse(c + QPointF(4.2, 4.7), 1.4, 0.8);
    lightSphere(p, c, r, QColor(255, 236, 200));
    p.restore();
}

// Bright swirled world: three colours spiralling round a glowing core.
void drawSwirl(QPainter& p, QPointF c, double r, QColor a, QColor b, QColor core, double turn)
{
    p.save();
    p.setClipPath(disc(c, r));
    p.setBrush(a);
    p.drawEllipse(c, r, r);
    p.translate(c);
    p.rotate(turn);
    p.setBrush(b);
    for (int arm = 0; arm < 3; ++arm) {
        p.rotate(120);
        QPainterPath s;
        s.moveTo(0, 0);
        s.cubicTo(r * 0.9, -r * 0.2, r * 0.8, r * 0.9, -r * 0.2, r * 1.2);
        s.cubicTo(r * 0.5, r * 0.6, r * 0.5, r * 0.1, 0, 0);
        p.drawPath(s);
    }
    QRadialGradient glow(QPointF(0, 0), r * 0.55);
    glow.setColorAt(0.0, core);
    glow.setColorAt(1.0, withAlpha(core, 0));
    p.setBrush(glow);
    p.drawEllipse(QPointF(0, 0), r, r);
    p.restore();
    p.save();
    p.setClipPath(disc(c, r));
    lightSphere(p, c, r, mix(a, Qt::white, 0.6));
    p.restore();
}

void drawSpotted(QPainter& p, QPointF c, double r)
{
    p.save();
    p.setClipPath(disc(c, r));
    QRadialGradient g(c, r);
    g.setColorAt(0.0, QColor(180, 255, 120));
    g.setColorAt(1.0, QColor(20, 200, 170));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    const QPointF spots[] = {{-6, -5}, {4, -7}, {6, 3}, {-3, 5}, {-9, 2}, {1, 10}, {9, -2}};
    const double sizes[] = {3.2, 2.2, 3.6, 2.6, 1.7, 1.9, 1.4};
    for (int i = 0; i < 7; ++i) {
        QRadialGradient s(c + spots[i] - QPointF(0.4, 0.4), sizes[i]);
        s.setColorAt(0.0, QColor(255, 230, 80));
        s.setColorAt(1.0, QColor(255, 90, 40));
        p.setBrush(s);
        p.drawEllipse(c + spots[i], sizes[i], sizes[i]);
    }
    lightSphere(p, c, r, QColor(220, 255, 220));
    p.restore();
}

// Hot-coloured banded world: yellow, pink and red stripes under a warm glow.
void drawCandyBands(QPainter& p, QPointF c, double r)
{
    p.save();
    p.setClipPath(disc(c, r));
    drawBandedSurface(p, c, r, -28, QColor(255, 214, 40),
                      {{-14, -9.0, QColor(235, 30, 60)},
                       {-6.5, -3.2, QColor(255, 105, 180)},
                       {-0.6, 1.6, QColor(235, 30, 60)},
                       {4.2, 7.8, QColor(255, 105, 180)},
                       {10.4, 15, QColor(235, 30, 60)}});
    QRadialGradient glow(c + QPointF(-0.3 * r, -0.3 * r), r * 0.7);
    glow.setColorAt(0.0, QColor(255, 255, 210, 150));
    glow.setColorAt(1.0, QColor(255, 255, 210, 0));
    p.setBrush(glow);
    p.drawEllipse(c, r, r);
    lightSphere(p, c, r, QColor(255, 230, 240));
    p.restore();
}

} // namespace

void drawPlanet(QPainter& p, int kind)
{
    p.save();
    p.setPen(Qt::NoPen);
    switch (kind) {
    case 0: drawRinged(p); break;
    case 1: drawBlueGreen(p); break;
    case 2: drawBanded(p); break;
    case 3: drawSwirl(p, {16, 16}, 14.6, QColor(150, 40, 230), QColor(40, 230, 255), QColor(255, 255, 255), 10); break;
    case 4: drawSpotted(p, {16, 16}, 14.6); break;
    default: // drawn in a 30-unit box
        drawCandyBands(p, {15, 15}, 13.7);
        break;
    }
    p.restore();
}

} // namespace artgen
