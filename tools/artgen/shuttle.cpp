// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The player's shuttle: white orbiter riding on a red external tank with
// two white boosters, seen from above, nose towards -y. The stack is drawn
// a size up so its body spans most of the 57-pixel frame along its heading. Units are pixels
// with the rotation centre at the origin; the caller turns the painter for
// each heading so every heading is rendered from the same vectors.
#include "art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace artgen {
namespace {

// The stack sits a little aft of centre so its exhaust still fits the frame.
constexpr double kStackShift = 1.5;
constexpr double kStackScale = 1.15;
constexpr double kTankHalf = 3.6;
constexpr double kBoosterX = 5.9;
constexpr double kBoosterHalf = 1.55;

const QColor kWhite(246, 246, 242);
const QColor kShadeWhite(168, 172, 182);
const QColor kTile(58, 60, 70);

// Horizontal cylinder shading: lit on the left, shadowed on the right.
QLinearGradient cylinder(double x0, double x1, QColor lit, QColor base, QColor dark)
{
    QLinearGradient g(x0, 0, x1, 0);
    g.setColorAt(0.0, base);
    g.setColorAt(0.28, lit);
    g.setColorAt(0.6, base);
    g.setColorAt(1.0, dark);
    return g;
}

void drawTank(QPainter& p)
{
    const double h = kTankHalf;
    QPainterPath tank;
    tank.moveTo(0, -25);
    tank.cubicTo(1.6, -23.5, h, -19, h, -15);
    tank.lineTo(h, 14.2);
    tank.quadTo(h, 16, 0, 16);
    tank.quadTo(-h, 16, -h, 14.2);
    tank.lineTo(-h, -15);
    tank.cubicTo(-h, -19, -1.6, -23.5, 0, -25);
    p.setBrush(cylinder(-h, h, QColor(244, 104, 76), QColor(190, 40, 28), QColor(98, 16, 10)));
    p.drawPath(tank);
    // Intertank ring, slightly darker, breaks up the long orange body.
    p.save();
    p.setClipPath(tank);
    p.setBrush(cylinder(-h, h, QColor(212, 84, 60), QColor(150, 30, 20), QColor(80, 12, 8)));
    p.drawRect(QRectF(-h, -12.4, 2 * h, 2.2));
    p.restore();
}

void drawBooster(QPainter& p, double side)
{
    const double cx = side * kBoosterX;
    const double h = kBoosterHalf;
    QPainterPath body;
    body.moveTo(cx, -20.5);
    body.cubicTo(cx + 0.8, -20, cx + h, -18.5, cx + h, -16.5);
    body.lineTo(cx + h, 14.5);
    body.lineTo(cx - h, 14.5);
    body.lineTo(cx - h, -16.5);
    body.cubicTo(cx - h, -18.5, cx - 0.8, -20, cx, -20.5);
    p.setBrush(cylinder(cx - h, cx + h, kWhite, QColor(214, 214, 212), QColor(120, 122, 130)));
    p.drawPath(body);
    QPainterPath bell;
    bell.moveTo(cx - 1.2, 14.5);
    bell.lineTo(cx + 1.2, 14.5);
    bell.lineTo(cx + 1.8, 17.3);
    bell.lineTo(cx - 1.8, 17.3);
    bell.closeSubpath();
    p.setBrush(cylinder(cx - 1.8, cx + 1.8, QColor(150, 150, 156), QColor(96, 96, 104), QColor(52, 52, 60)));
    p.drawPath(bell);
}

QPainterPath orbiterWings()
{
    QPainterPath w;
    w.moveTo(0, -7);
    w.lineTo(2.2, -6.5);
    w.lineTo(4.1, -0.5); // strake into the main delta
    w.lineTo(11.6, 9.3);
    w.quadTo(12.1, 10.2, 11.6, 11.4);
    w.lineTo(2.2, 12.6);
    w.lineTo(-2.2, 12.6);
    w.lineTo(-11.6, 11.4);
    w.quadTo(-12.1, 10.2, -11.6, 9.3);
    w.lineTo(-4.1, -0.5);
    w.lineTo(-2.2, -6.5);
    w.closeSubpath();
    return w;
}

QPainterPath orbiterFuselage()
{
    QPainterPath f;
    f.moveTo(0, -13.8);
    f.cubicTo(1.5, -13.6, 2.5, -11.5, 2.5, -8.5);
    f.lineTo(2.5, 13.6);
    f.lineTo(-2.5, 13.6);
    f.lineTo(-2.5, -8.5);
    f.cubicTo(-2.5, -11.5, -1.5, -13.6, 0, -13.8);
    return f;
}

void drawWings(QPainter& p)
{
    const QPainterPath wings = orbiterWings();
    QLinearGradient g(-11, 0, 11, 12);
    g.setColorAt(0.0, kWhite);
    g.setColorAt(0.55, QColor(222, 224, 226));
    g.setColorAt(1.0, kShadeWhite);
    p.setBrush(g);
    p.drawPath(wings);
    p.save();
    p.setClipPath(wings);
    // Dark heat tiles along the leading edges and the elevons at the back.
    p.setPen(QPen(kTile, 1.1));
    p.drawLine(QPointF(4.1, -0.5), QPointF(11.6, 9.3));
    p.drawLine(QPointF(-4.1, -0.5), QPointF(-11.6, 9.3));
    p.setPen(QPen(QColor(150, 154, 164), 1.0));
    p.drawLine(QPointF(3.2, 11.9), QPointF(11.2, 10.9));
    p.drawLine(QPointF(-3.2, 11.9), QPointF(-11.2, 10.9));
    p.restore();
}

void drawFuselage(QPainter& p)
{
    const QPainterPath body = orbiterFuselage();
    p.setBrush(cylinder(-2.5, 2.5, kWhite, QColor(226, 226, 228), kShadeWhite));
    p.drawPath(body);
    p.save();
    p.setClipPath(body);
    p.setBrush(kTile); // black nose cap
    p.drawEllipse(QPointF(0, -14.2), 2.0, 2.0);
    p.setBrush(QColor(28, 32, 44)); // cockpit windows
    p.drawRect(QRectF(-1.6, -10.9, 1.25, 0.9));
    p.drawRect(QRectF(0.35, -10.9, 1.25, 0.9));
    p.setPen(QPen(QColor(150, 152, 160), 0.6)); // payload bay door seams
    p.drawLine(QPointF(0, -7.5), QPointF(0, 7.5));
    p.drawLine(QPointF(-2.5, -7.7), QPointF(2.5, -7.7));
    p.drawLine(QPointF(-2.5, 7.7), QPointF(2.5, 7.7));
    p.restore();
}

void drawTailAndPods(QPainter& p)
{
    // Orbital manoeuvring pods either side of the fin.
    for (double side : {-1.0, 1.0}) {
        QPainterPath pod;
        pod.moveTo(side * 1.1, 8.5);
        pod.quadTo(side * 3.1, 9.0, side * 3.0, 14.0);
        pod.lineTo(side * 1.1, 14.0);
        pod.closeSubpath();
        p.setBrush(side < 0 ? QColor(236, 236, 236) : QColor(190, 192, 200));
        p.drawPath(pod);
    }
    // The fin is seen edge-on: a thin light blade with a shaded side.
    QPainterPath fin;
    fin.moveTo(0, 4.0);
    fin.lineTo(0.75, 8.0);
    fin.lineTo(0.75, 14.6);
    fin.lineTo(-0.75, 14.6);
    fin.lineTo(-0.75, 8.0);
    fin.closeSubpath();
    p.setBrush(cylinder(-0.75, 0.75, kWhite, QColor(200, 202, 208), QColor(120, 124, 134)));
    p.drawPath(fin);
}

void drawMainEngines(QPainter& p)
{
    const QPointF mounts[] = {{0.0, 14.2}, {-1.75, 13.6}, {1.75, 13.6}};
    for (const QPointF& m : mounts) {
        QPainterPath bell;
        bell.moveTo(m + QPointF(-0.55, 0));
        bell.lineTo(m + QPointF(0.55, 0));
        bell.lineTo(m + QPointF(0.95, 2.4));
        bell.lineTo(m + QPointF(-0.95, 2.4));
        bell.closeSubpath();
        p.setBrush(cylinder(m.x() - 1, m.x() + 1, QColor(170, 170, 178), QColor(104, 104, 112), QColor(54, 54, 62)));
        p.drawPath(bell);
    }
}

// Teardrop flame from `top` (nozzle exit) to `length` further back.
void drawPlume(QPainter& p, QPointF top, double halfWidth, double length, QColor outer, QColor core)
{
    QPainterPath plume;
    plume.moveTo(top + QPointF(-halfWidth, 0));
    plume.cubicTo(top + QPointF(-halfWidth * 1.25, length * 0.45), top + QPointF(-halfWidth * 0.35, length * 0.8),
                  top + QPointF(0, length));
    plume.cubicTo(top + QPointF(halfWidth * 0.35, length * 0.8), top + QPointF(halfWidth * 1.25, length * 0.45),
                  top + QPointF(halfWidth, 0));
    plume.closeSubpath();
    // Hottest at the nozzle, cooling and thinning out towards the tip.
    QLinearGradient g(top, top + QPointF(0, length));
    g.setColorAt(0.0, core);
    g.setColorAt(0.3, mix(core, outer, 0.5));
    g.setColorAt(0.65, outer);
    g.setColorAt(1.0, withAlpha(mix(outer, Qt::black, 0.4), 0));
    p.setBrush(g);
    p.drawPath(plume);
    QRadialGradient hot(top + QPointF(0, length * 0.1), halfWidth * 1.6);
    hot.setColorAt(0.0, withAlpha(core, 230));
    hot.setColorAt(1.0, withAlpha(core, 0));
    p.setBrush(hot);
    p.drawPath(plume);
}

void drawExhaust(QPainter& p)
{
    const QColor boosterOuter(255, 110, 16);
    const QColor boosterCore(255, 250, 200);
    for (double side : {-1.0, 1.0})
        drawPlume(p, {side * kBoosterX, 16.8}, 1.85, 5.6, boosterOuter, boosterCore);
    // The main engines burn clean: short, pale blue, mostly white core.
    const QColor mainOuter(90, 160, 255);
    const QColor mainCore(240, 248, 255);
    drawPlume(p, {-1.75, 15.7}, 0.9, 4.2, mainOuter, mainCore);
    drawPlume(p, {1.75, 15.7}, 0.9, 4.2, mainOuter, mainCore);
    drawPlume(p, {0.0, 16.3}, 0.9, 4.6, mainOuter, mainCore);
}

} // namespace

void drawShuttle(QPainter& p, bool engines)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.translate(0, kStackShift);
    p.scale(kStackScale, kStackScale);
    if (engines)
        drawExhaust(p);
    drawBooster(p, -1.0);
    drawBooster(p, 1.0);
    drawTank(p);
    drawMainEngines(p);
    drawWings(p);
    drawFuselage(p);
    drawTailAndPods(p);
    p.restore();
}

} // namespace artgen
