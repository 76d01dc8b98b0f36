// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Which file holds which drawing, at which size. The game loads these by
// number, so the numbering here is the contract with the game code.
#include "art.h"

#include <QPainter>

namespace artgen {
namespace {

using Draw = std::function<void(QPainter&)>;

// Pictures are painted this many times larger and box-filtered down: edge
// coverage then comes out the same whichever way a shape is turned.
constexpr int kSupersample = 4;

// Paints `draw` (authored in a `units`-wide box) scaled to fill `size`.
QImage render(QSize size, double units, const Draw& draw, bool opaque = true)
{
    const QSize big = size * kSupersample;
    QImage img = opaque ? blackCanvas(big) : clearCanvas(big);
    QPainter p(&img);
    preparePainter(p);
    p.scale(big.width() / units, big.height() / units);
    draw(p);
    p.end();
    const QImage small = boxDownsample(img, kSupersample);
    return opaque ? small.convertToFormat(QImage::Format_RGB32) : small.convertToFormat(QImage::Format_ARGB32);
}

Picture shuttle(int number, int heading, bool engines)
{
    return {QString::number(number), QSize(57, 57), [heading, engines](int scale) {
                return render(QSize(57, 57) * scale, 57, [heading, engines](QPainter& p) {
                    p.translate(28.5, 28.5);
                    p.rotate(22.5 * heading); // clockwise on screen
                    drawShuttle(p, engines);
                });
            }};
}

Picture square(const QString& name, int side, double units, Draw draw, bool opaque = true)
{
    return {name, QSize(side, side), [side, units, draw = std::move(draw), opaque](int scale) {
                return render(QSize(side, side) * scale, units, draw, opaque);
            }};
}

// Icons and the pointer are drawn once at the size they are used.
Picture single(Picture picture)
{
    picture.sets = false;
    return picture;
}

} // namespace

QString setFileName(const QString& name, int scale)
{
    return scale == 1 ? name + ".png" : QStringLiteral("%1@%2x.png").arg(name).arg(scale);
}

std::vector<Picture> catalogue()
{
    std::vector<Picture> list;
    list.reserve(55); // as many as follow
    for (int d = 0; d < 16; ++d)
        list.push_back(shuttle(1 + d, d, false));
    for (int d = 0; d < 16; ++d)
        list.push_back(shuttle(21 + d, d, true));
    list.push_back(square("50", 9, 9, drawShot));
    list.push_back(square("51", 9, 9, drawShotFlame));
    list.push_back(square("60", 18, 18, drawHeart));
    for (int k = 0; k < 3; ++k) {
        list.push_back(square(QString::number(101 + k), 32, 32, [k](QPainter& p) { drawRock(p, k); }));
    }
    for (int k = 0; k < 3; ++k) {
        list.push_back(square(QString::number(104 + k), 32, 32, [k](QPainter& p) { drawSatellite(p, k); }));
    }
    for (int k = 0; k < 5; ++k) {
        list.push_back(square(QString::number(107 + k), 32, 32, [k](QPainter& p) { drawPlanet(p, k); }));
    }
    list.push_back(square("112", 30, 30, [](QPainter& p) { drawPlanet(p, 5); }));
    for (int s = 0; s < 3; ++s) {
        list.push_back(square(QString::number(151 + s), 32, 32, [s](QPainter& p) { drawExplosion(p, s); }));
    }
    list.push_back(single(square("icon", 32, 32, [](QPainter& p) { drawRock(p, 0); })));
    for (int side : {64, 128, 256}) {
        list.push_back(
            single(square(QStringLiteral("icon-%1").arg(side), side, 32, [](QPainter& p) { drawRock(p, 0); })));
    }
    list.push_back(single(square("hand", 32, 32, drawHand, false)));
    return list;
}

} // namespace artgen
