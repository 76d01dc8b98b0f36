// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Satellite gravoks, small to large: foil-wrapped body, solar panels on
// booms, and a dish or whip antenna. Drawn around the box centre and tilted
// so the long panel span uses the diagonal of the 32-unit frame.
#include "art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace artgen {
namespace {

const QColor kPanelLit(92, 150, 255);
const QColor kPanelDark(18, 36, 120);
const QColor kGrid(10, 16, 52);
const QColor kBoom(190, 192, 200);

void drawPanel(QPainter& p, const QRectF& r, int cellsX, int cellsY)
{
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0.0, kPanelLit);
    g.setColorAt(1.0, kPanelDark);
    p.setPen(QPen(QColor(150, 160, 190), 0.6));
    p.setBrush(g);
    p.drawRect(r);
    p.setPen(QPen(kGrid, 0.45));
    for (int i = 1; i < cellsX; ++i) {
        const double x = r.left() + r.width() * i / cellsX;
        p.drawLine(QPointF(x, r.top() + 0.3), QPointF(x, r.bottom() - 0.3));
    }
    for (int j = 1; j < cellsY; ++j) {
        const double y = r.top() + r.height() * j / cellsY;
        p.drawLine(QPointF(r.left() + 0.3, y), QPointF(r.right() - 0.3, y));
    }
    p.setPen(Qt::NoPen);
}

void drawBoom(QPainter& p, QPointF a, QPointF b, double width = 0.9)
{
    p.setPen(QPen(kBoom, width, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(a, b);
    p.setPen(Qt::NoPen);
}

// Gold thermal foil body with a soft highlight.
void drawBody(QPainter& p, const QRectF& r, bool gold)
{
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0.0, gold ? QColor(255, 236, 150) : QColor(240, 242, 248));
    g.setColorAt(0.5, gold ? QColor(220, 160, 40) : QColor(170, 176, 190));
    g.setColorAt(1.0, gold ? QColor(120, 70, 10) : QColor(80, 84, 98));
    p.setBrush(g);
    p.setPen(QPen(gold ? QColor(255, 220, 120) : QColor(220, 222, 230), 0.5));
    p.drawRoundedRect(r, 1.0, 1.0);
    p.setPen(QPen(gold ? QColor(150, 96, 20) : QColor(110, 114, 128), 0.5));
    p.drawLine(QPointF(r.left() + 1, r.center().y()), QPointF(r.right() - 1, r.center().y()));
    p.setPen(Qt::NoPen);
}

// Dish seen from the side, opening towards -y, on a short mast.
void drawDish(QPainter& p, QPointF base, double radius)
{
    drawBoom(p, base, base + QPointF(0, -radius * 0.5), 0.8);
    const QPointF c = base + QPointF(0, -radius * 0.5);
    QPainterPath dish;
    dish.moveTo(c + QPointF(-radius, -radius * 0.7));
    dish.quadTo(c + QPointF(0, radius * 0.35), c + QPointF(radius, -radius * 0.7));
    dish.quadTo(c + QPointF(0, -radius * 0.15), c + QPointF(-radius, -radius * 0.7));
    QLinearGradient g(c + QPointF(-radius, 0), c + QPointF(radius, 0));
    g.setColorAt(0.0, QColor(250, 250, 252));
    g.setColorAt(1.0, QColor(130, 134, 150));
    p.setBrush(g);
    p.drawPath(dish);
    drawBoom(p, c + QPointF(0, -radius * 0.2), c + QPointF(0, -radius * 1.05), 0.6);
    p.setBrush(QColor(255, 90, 70)); // feed horn
    p.drawEllipse(c + QPointF(0, -radius * 1.1), 0.7, 0.7);
}

// A small probe: a little body, narrow panels far out on a thin boom, one whip.
void drawSmall(QPainter& p)
{
    drawBoom(p, {-12, 0}, {12, 0}, 0.6);
    drawPanel(p, QRectF(-14.5, -2.0, 7.0, 4.0), 3, 1);
    drawPanel(p, QRectF(7.5, -2.0, 7.0, 4.0), 3, 1);
    drawBoom(p, {0, 3}, {0, 12.5}, 0.6); // whip antenna
    p.setBrush(QColor(255, 90, 70));
    p.drawEllipse(QPointF(0, 12.5), 0.8, 0.8);
    drawBody(p, QRectF(-2.8, -3.0, 5.6, 6.0), true);
    drawDish(p, {0, -3.0}, 2.6);
}

void drawMedium(QPainter& p)
{
    drawBoom(p, {-13, 0}, {13, 0});
    drawPanel(p, QRectF(-14.5, -4.2, 9, 8.4), 3, 3);
    drawPanel(p, QRectF(5.5, -4.2, 9, 8.4), 3, 3);
    drawBody(p, QRectF(-4.6, -5.5, 9.2, 11), false);
    drawDish(p, {0, -5.5}, 5.0);
    drawBoom(p, {-2, 5.5}, {-4, 11}, 0.6);
    drawBoom(p, {2, 5.5}, {4, 11}, 0.6);
}

// A large station: two big wings of panels on each side of a heavy truss, a main
// body with a second module on top, fine cells that show how much there is of it.
void drawLarge(QPainter& p)
{
    drawBoom(p, {-14, 0}, {14, 0}, 1.6);
    for (double side : {-1.0, 1.0}) {
        const double x = side < 0 ? -14.0 : 6.2;
        drawPanel(p, QRectF(x, -10.6, 7.8, 9.4), 3, 4);
        drawPanel(p, QRectF(x, 1.2, 7.8, 9.4), 3, 4);
    }
    drawBody(p, QRectF(-5.8, -7.0, 11.6, 14.0), true);
    drawBody(p, QRectF(-3.8, -11.4, 7.6, 4.2), false);
    drawBody(p, QRectF(-3.0, 7.0, 6.0, 3.6), false);
    drawDish(p, {3.8, -9.4}, 2.4);
    drawBoom(p, {0, 10.6}, {0, 13.6}, 0.7);
    p.setBrush(QColor(120, 255, 140)); // beacon
    p.drawEllipse(QPointF(0, 13.6), 0.9, 0.9);
}

} // namespace

void drawSatellite(QPainter& p, int kind)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.translate(16, 16);
    if (kind == 0) {
        p.rotate(-28);
        drawSmall(p);
    } else if (kind == 1) {
        p.rotate(32);
        drawMedium(p);
    } else {
        drawLarge(p);
    }
    p.restore();
}

} // namespace artgen
