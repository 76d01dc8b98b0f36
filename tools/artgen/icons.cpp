// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// gravok-icons OUT_DIR: the desktop's program icons, the game's grey-green rock on a
// transparent ground, as icon-<size>.png for every size the desktop asks for and as
// icon.svg for any other. The pictures inside the game come from gravok-artgen.
// gravok-icons --check DIR: every icon is there, of its size, with a transparent ground
// and an opaque middle, and the SVG draws what the largest PNG shows.
#include <QGuiApplication>
#include <QDir>
#include <QPainter>
#include <QSvgGenerator>
#include <QSvgRenderer>

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "art.h"

namespace {

constexpr int kSizes[] = {16, 24, 32, 48, 64, 128, 256};
constexpr double kUnits = 32;   // drawRock's box
constexpr int kSupersample = 4; // as the game's pictures: edges come out even

void drawIcon(QPainter& p, double side)
{
    artgen::preparePainter(p);
    p.scale(side / kUnits, side / kUnits);
    artgen::drawRock(p, 0);
}

QImage pngIcon(int side)
{
    QImage big = artgen::clearCanvas(QSize(side, side) * kSupersample);
    QPainter p(&big);
    drawIcon(p, side * kSupersample);
    p.end();
    return artgen::boxDownsample(big, kSupersample).convertToFormat(QImage::Format_ARGB32);
}

bool svgIcon(const QString& path)
{
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(256, 256));
    svg.setViewBox(QRectF(0, 0, 256, 256));
    svg.setTitle(QStringLiteral("Gravok"));
    svg.setDescription(QStringLiteral("Gravok program icon"));
    QPainter p;
    if (!p.begin(&svg))
        return false;
    drawIcon(p, 256);
    return p.end();
}

int problems = 0;
void problem(const QString& what)
{
    std::fprintf(stderr, "gravok-icons: %s\n", qPrintable(what));
    ++problems;
}

// Mean difference per channel of two equal-sized images, 0..255.
double meanDifference(const QImage& a, const QImage& b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q)) +
                   std::abs(qAlpha(p) - qAlpha(q));
        }
    return sum / (4.0 * a.width() * a.height());
}

int check(const QDir& dir)
{
    QImage largest;
    for (int side : kSizes) {
        const QString name = QStringLiteral("icon-%1.png").arg(side);
        const QImage img(dir.filePath(name));
        if (img.isNull()) {
            problem(name + QStringLiteral(" is missing or no picture"));
            continue;
        }
        if (img.size() != QSize(side, side))
            problem(name + QStringLiteral(" is not %1x%1").arg(side));
        if (!img.hasAlphaChannel()) {
            problem(name + QStringLiteral(" has no alpha channel"));
            continue;
        }
        for (QPoint corner : {QPoint(0, 0), QPoint(side - 1, 0), QPoint(0, side - 1), QPoint(side - 1, side - 1)})
            if (qAlpha(img.pixel(corner)) != 0)
                problem(name + QStringLiteral(": the ground is not transparent"));
        if (qAlpha(img.pixel(side / 2, side / 2)) != 255)
            problem(name + QStringLiteral(": the rock in the middle is not opaque"));
        largest = img.convertToFormat(QImage::Format_ARGB32);
    }
    QSvgRenderer svg(dir.filePath(QStringLiteral("icon.svg")));
    if (!svg.isValid()) {
        problem(QStringLiteral("icon.svg is missing or not valid SVG"));
    } else if (!largest.isNull()) {
        QImage drawn(largest.size(), QImage::Format_ARGB32_Premultiplied);
        drawn.fill(Qt::transparent);
        QPainter p(&drawn);
        p.setRenderHint(QPainter::Antialiasing);
        svg.render(&p);
        p.end();
        const double diff = meanDifference(drawn.convertToFormat(QImage::Format_ARGB32), largest);
        // The rock's soft rim comes out a little wider in SVG renderers (about 7 here); a
        // missing or blank drawing is off by far more than that.
        if (diff > 12.0)
            problem(QStringLiteral("icon.svg differs from icon-%1.png by %2 per channel")
                        .arg(largest.width())
                        .arg(diff, 0, 'f', 1));
    }
    return problems == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--check")
        return check(QDir(QString::fromLocal8Bit(argv[2])));
    if (argc != 2) {
        std::fprintf(stderr, "usage: gravok-icons OUT_DIR | --check DIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(out.path()))
        return 1;
    for (int side : kSizes) {
        const QString path = out.filePath(QStringLiteral("icon-%1.png").arg(side));
        if (!pngIcon(side).save(path, "PNG")) {
            std::fprintf(stderr, "gravok-icons: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    if (!svgIcon(out.filePath(QStringLiteral("icon.svg")))) {
        std::fprintf(stderr, "gravok-icons: cannot write icon.svg\n");
        return 1;
    }
    return 0;
}
