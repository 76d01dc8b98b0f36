// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Shared pieces of the artwork generator: the picture list, canvas and
// painting helpers. Everything here is drawn from vectors so any size or
// heading stays crisp, and nothing depends on fonts, clocks or global RNGs.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPoint>
#include <QPointF>
#include <QSize>
#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

class QPainter;

namespace artgen {

struct Picture {
    QString name;                            // file name without ".png"
    QSize size;                              // at 1x
    std::function<QImage(int scale)> render; // drawn at `scale` times its size
    bool sets = true;                        // also written at 2x, 3x and 4x as <name>@<k>x.png
};

// The larger sets every game picture comes in besides 1x, for screens that show
// the game bigger: the window filters down from the nearest set at or above.
constexpr int kLargestSet = 4;
QString setFileName(const QString& name, int scale);

// Every picture the game loads, in the order the contact sheet shows them.
std::vector<Picture> catalogue();

// Fingertip of the hand pointer, in pixels from its top-left corner.
QPoint handHotspot();

// Our own tiny generator: rock shapes must not change between compilers or
// library versions, and std:: distributions are not portable.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next();
    double uniform(double lo, double hi); // [lo, hi)

private:
    std::uint64_t state_;
};

// Opaque black canvas; black is empty space in the game.
QImage blackCanvas(QSize size);
// Fully transparent canvas, for the mouse pointer only.
QImage clearCanvas(QSize size);
// Antialiased painter with smooth transforms, ready for vector drawing.
void preparePainter(QPainter& p);

// Closed outline through `points` with rounded corners (roundness 0..0.5).
QPainterPath smoothClosed(const std::vector<QPointF>& points, double roundness = 0.5);
// Irregular blob around `centre`: `count` spokes with radii in [rMin, rMax].
std::vector<QPointF> lumpyRing(Rng& rng, QPointF centre, int count, double rMin, double rMax);

// Sphere-like shading lit from the upper left, clipped to `shape`.
void shadeLitBody(QPainter& p, const QPainterPath& shape, QPointF centre, double radius, QColor light, QColor base,
                  QColor dark);
// Averages each factor x factor block (premultiplied), for supersampling.
QImage boxDownsample(const QImage& src, int factor);
// Colour blend helper: t = 0 gives a, t = 1 gives b.
QColor mix(QColor a, QColor b, double t);
QColor withAlpha(QColor c, int alpha);

// Drawing entry points; each paints into the current painter coordinates.
void drawShuttle(QPainter& p, bool engines);
void drawRock(QPainter& p, int kind);       // 0 grey-green, 1 blue-white, 2 pink; 32-unit box
void drawSatellite(QPainter& p, int kind);  // 0 small .. 2 large; 32-unit box
void drawPlanet(QPainter& p, int kind);     // 0 ringed .. 5 fantasy; 32-unit box
void drawShot(QPainter& p);                 // 9-unit box
void drawShotFlame(QPainter& p);            // 9-unit box
void drawHeart(QPainter& p);                // 18-unit box
void drawExplosion(QPainter& p, int stage); // 0..2; 32-unit box
void drawHand(QPainter& p);                 // 32-unit box

// Checks a directory of generated pictures; prints problems, returns the count.
int verifyDirectory(const QString& dir);
// Renders every picture at 1x and 3x on one labelled sheet.
QImage contactSheet();

} // namespace artgen
