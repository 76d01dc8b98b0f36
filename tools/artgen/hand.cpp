// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Mouse pointer: a white gloved hand pointing up, black outline so it reads
// on both the black playfield and light dialogs. The fingertip is the hotspot.
#include "art.h"

#include <QLinearGradient>
#include <QPainter>

namespace artgen {
namespace {

constexpr double kFingerLeft = 7.0;
constexpr double kFingerRight = 12.0;
constexpr double kTipTop = 1.5;

QPainterPath roundedBox(double x0, double y0, double x1, double y1, double radius)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(x0, y0, x1 - x0, y1 - y0), radius, radius);
    return path;
}

QPainterPath handShape()
{
    QPainterPath hand = roundedBox(kFingerLeft, kTipTop, kFingerRight, 17, 2.5); // index finger
    hand = hand.united(roundedBox(11.2, 10.2, 15.8, 18, 2.2));                   // folded fingers
    hand = hand.united(roundedBox(15.0, 11.2, 19.6, 19, 2.2));
    hand = hand.united(roundedBox(18.8, 12.6, 23.0, 20, 2.0));
    QPainterPath palm;
    palm.moveTo(kFingerLeft, 14);
    palm.lineTo(23.0, 16);
    palm.lineTo(23.0, 22);
    palm.quadTo(22.5, 26, 20, 27.5);
    palm.lineTo(10, 27.5);
    palm.quadTo(7.8, 25.5, 6.5, 23.5);
    palm.closeSubpath();
    hand = hand.united(palm);
    QPainterPath thumb;
    thumb.moveTo(kFingerLeft + 0.5, 17.5);
    thumb.quadTo(5.5, 15.5, 3.6, 16.2);
    thumb.quadTo(1.8, 17.2, 3.0, 19.2);
    thumb.lineTo(7.0, 24.5);
    thumb.lineTo(9.0, 21.0);
    thumb.closeSubpath();
    return hand.united(thumb).simplified();
}

void drawCuff(QPainter& p)
{
    QLinearGradient g(0, 26.5, 0, 31);
    g.setColorAt(0.0, QColor(120, 170, 255));
    g.setColorAt(1.0, QColor(40, 80, 190));
    p.setBrush(g);
    p.setPen(QPen(Qt::black, 1.0));
    p.drawRoundedRect(QRectF(9.5, 26.5, 11.5, 4.5), 1.0, 1.0);
}

} // namespace

QPoint handHotspot()
{
    return QPoint(static_cast<int>((kFingerLeft + kFingerRight) / 2), static_cast<int>(kTipTop));
}

void drawHand(QPainter& p)
{
    p.save();
    const QPainterPath hand = handShape();
    QLinearGradient g(4, 0, 24, 28);
    g.setColorAt(0.0, QColor(255, 255, 255));
    g.setColorAt(0.6, QColor(236, 236, 240));
    g.setColorAt(1.0, QColor(186, 190, 204));
    p.setBrush(g);
    p.setPen(QPen(Qt::black, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(hand);
    // Creases between the folded fingers.
    p.setPen(QPen(QColor(60, 60, 70), 0.9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(15.4, 13.0), QPointF(15.4, 17.0));
    p.drawLine(QPointF(19.2, 14.3), QPointF(19.2, 18.0));
    p.drawLine(QPointF(kFingerRight, 12.0), QPointF(kFingerRight, 16.5));
    drawCuff(p);
    p.restore();
}

} // namespace artgen
