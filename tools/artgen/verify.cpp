// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Checks a directory of generated art against what the game relies on:
// every file present at its exact size, opaque black surroundings with no
// stray pixels on the frame edge, gravoks filling their collision box, and
// shuttle headings that really turn 22.5 degrees clockwise per number.
#include "art.h"

#include <QFile>
#include <QTextStream>
#include <QTransform>

#include <cmath>
#include <cstdio>
#include <numbers>

namespace artgen {
namespace {

enum class Role { Sprite, Gravok, Pointer };

struct Expected {
    QString name;
    int side;
    Role role;
};

// Written out independently of catalogue() so a dropped or resized entry
// there is caught here.
std::vector<Expected> expectedFiles()
{
    std::vector<Expected> list;
    for (int n = 1; n <= 16; ++n) {
        list.push_back({QString::number(n), 57, Role::Sprite});
        list.push_back({QString::number(20 + n), 57, Role::Sprite});
    }
    list.push_back({"50", 9, Role::Sprite});
    list.push_back({"51", 9, Role::Sprite});
    list.push_back({"60", 18, Role::Sprite});
    for (int n = 101; n <= 111; ++n)
        list.push_back({QString::number(n), 32, Role::Gravok});
    list.push_back({"112", 30, Role::Gravok});
    for (int n = 151; n <= 153; ++n)
        list.push_back({QString::number(n), 32, Role::Sprite});
    list.push_back({"icon", 32, Role::Gravok});
    list.push_back({"icon-64", 64, Role::Gravok});
    list.push_back({"icon-128", 128, Role::Gravok});
    list.push_back({"icon-256", 256, Role::Gravok});
    list.push_back({"hand", 32, Role::Pointer});
    return list;
}

int brightness(QRgb c)
{
    return std::max({qRed(c), qGreen(c), qBlue(c)});
}

struct Reporter {
    int failures = 0;
    void fail(const QString& name, const QString& what)
    {
        std::fprintf(stderr, "%s: %s\n", qPrintable(name), qPrintable(what));
        ++failures;
    }
};

int largestDifference(const QImage& a, const QImage& b)
{
    int worst = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            worst = std::max(
                {worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
        }
    return worst;
}

// Bounding box of pixels clearly brighter than space.
QRect litBounds(const QImage& img, int threshold = 40)
{
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (brightness(img.pixel(x, y)) > threshold)
                box |= QRect(x, y, 1, 1);
    return box;
}

int brightestOnEdge(const QImage& img)
{
    int worst = 0;
    const int w = img.width(), h = img.height();
    for (int i = 0; i < std::max(w, h); ++i) {
        for (const QPoint pt : {QPoint(i, 0), QPoint(i, h - 1), QPoint(0, i), QPoint(w - 1, i)}) {
            if (img.rect().contains(pt))
                worst = std::max(worst, brightness(img.pixel(pt)));
        }
    }
    return worst;
}

void checkOpaque(Reporter& r, const Expected& e, const QImage& img)
{
    if (img.hasAlphaChannel())
        r.fail(e.name, "has an alpha channel; sprites must be opaque on black");
    if (litBounds(img).isEmpty())
        r.fail(e.name, "is empty");
    if (const int edge = brightestOnEdge(img); edge > 24)
        r.fail(e.name, QStringLiteral("touches the frame edge (brightness %1)").arg(edge));
    if (e.role != Role::Gravok)
        return;
    // The game collides on the bitmap bounds, so the drawing must nearly fill them.
    const QRect box = litBounds(img);
    const int longSide = std::max(box.width(), box.height());
    const int shortSide = std::min(box.width(), box.height());
    if (longSide < e.side * 85 / 100 || shortSide < e.side * 65 / 100)
        r.fail(e.name, QStringLiteral("fills only %1x%2 of its box").arg(box.width()).arg(box.height()));
}

void checkPointer(Reporter& r, const QString& dir, const Expected& e, const QImage& img)
{
    if (!img.hasAlphaChannel() || qAlpha(img.pixel(0, 0)) != 0 || qAlpha(img.pixel(31, 31)) != 0)
        r.fail(e.name, "needs a transparent background");
    QFile f(dir + "/hand.hotspot");
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
        r.fail("hand.hotspot", "missing");
        return;
    }
    QTextStream in(&f);
    int x = -1, y = -1;
    in >> x >> y;
    if (!img.rect().contains(x, y) || qAlpha(img.pixel(x, y)) < 128)
        r.fail("hand.hotspot", QStringLiteral("(%1, %2) is not on the drawn fingertip").arg(x).arg(y));
    else if (y > 0 && qAlpha(img.pixel(x, y - 1)) > 160)
        r.fail("hand.hotspot", "is below the tip of the finger");
}

// Heading in degrees, clockwise from straight up, read back from the pixels:
// the principal axis gives the line of the stack, and the wide parts (wings,
// exhaust) lie aft, which tells nose from tail.
double measuredHeading(const QImage& img)
{
    double m = 0, sx = 0, sy = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const double w = brightness(img.pixel(x, y));
            m += w, sx += w * x, sy += w * y;
        }
    const double cx = sx / m, cy = sy / m;
    double xx = 0, yy = 0, xy = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const double w = brightness(img.pixel(x, y));
            xx += w * (x - cx) * (x - cx), yy += w * (y - cy) * (y - cy), xy += w * (x - cx) * (y - cy);
        }
    const double axis = 0.5 * std::atan2(2 * xy, xx - yy);
    const double ux = std::cos(axis), uy = std::sin(axis);
    double skew = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const double s = (x - cx) * ux + (y - cy) * uy, t = -(x - cx) * uy + (y - cy) * ux;
            skew += brightness(img.pixel(x, y)) * s * t * t;
        }
    const double nx = skew > 0 ? -ux : ux, ny = skew > 0 ? -uy : uy;
    const double deg = std::atan2(nx, -ny) * 180.0 / std::numbers::pi;
    return deg < 0 ? deg + 360.0 : deg;
}

void checkHeadings(Reporter& r, const QString& dir)
{
    for (int first : {1, 21}) {
        for (int d = 0; d < 16; ++d) {
            const QString name = QString::number(first + d);
            const QImage img(dir + "/" + name + ".png");
            if (img.isNull())
                continue; // already reported
            const double got = measuredHeading(img);
            const double off = std::remainder(got - 22.5 * d, 360.0);
            if (std::abs(off) > 2.0)
                r.fail(name, QStringLiteral("points at %1 degrees, expected %2").arg(got, 0, 'f', 1).arg(22.5 * d));
        }
    }
}

// Headings four numbers apart are quarter turns, which map the pixel grid
// onto itself, so apart from antialiasing noise they must match exactly.
void checkQuarterTurns(Reporter& r, const QString& dir)
{
    for (int first : {1, 21}) {
        for (int d = 0; d < 4; ++d) {
            const QImage base(dir + QStringLiteral("/%1.png").arg(first + d));
            for (int k = 1; k < 4 && !base.isNull(); ++k) {
                const QString name = QString::number(first + d + 4 * k);
                const QImage turned = base.transformed(QTransform().rotate(90.0 * k));
                const QImage other(dir + "/" + name + ".png");
                if (other.isNull() || other.size() != turned.size())
                    continue; // already reported
                if (const int diff = largestDifference(turned, other); diff > 8)
                    r.fail(name, QStringLiteral("is not %1 quarter turn(s) of %2 (difference %3)")
                                     .arg(k)
                                     .arg(first + d)
                                     .arg(diff));
            }
        }
    }
}

// Lit engines must add exhaust behind the stack, not just shift pixels.
void checkExhaust(Reporter& r, const QString& dir)
{
    auto warmth = [](const QImage& img) {
        double sum = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                sum += std::max(0, qRed(img.pixel(x, y)) - qBlue(img.pixel(x, y)));
        return sum;
    };
    for (int d = 1; d <= 16; ++d) {
        const QImage off(dir + QStringLiteral("/%1.png").arg(d));
        const QImage on(dir + QStringLiteral("/%1.png").arg(20 + d));
        if (!off.isNull() && !on.isNull() && warmth(on) < warmth(off) * 1.15)
            r.fail(QString::number(20 + d), "shows no engine flames");
    }
}

// Each larger set must be the same drawing as 1x: shrunk back, it may differ from 1x
// by antialiasing only.
void checkSetMatches(Reporter& r, const QString& name, const QImage& one, const QImage& big)
{
    const QImage back = big.scaled(one.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    double sum = 0;
    for (int y = 0; y < one.height(); ++y)
        for (int x = 0; x < one.width(); ++x)
            sum += std::abs(brightness(one.pixel(x, y)) - brightness(back.pixel(x, y)));
    const double mean = sum / (one.width() * one.height());
    if (mean > 12)
        r.fail(name, QStringLiteral("does not match its 1x picture (mean difference %1)").arg(mean, 0, 'f', 1));
}

void checkFile(Reporter& r, const QString& dir, const Expected& base, int scale)
{
    const Expected e{QString(setFileName(base.name, scale)).chopped(4), base.side * scale, base.role};
    const QImage img(dir + "/" + e.name + ".png");
    if (img.isNull()) {
        r.fail(e.name, "missing or unreadable");
        return;
    }
    if (img.size() != QSize(e.side, e.side)) {
        r.fail(e.name, QStringLiteral("is %1x%2, expected %3x%3").arg(img.width()).arg(img.height()).arg(e.side));
        return;
    }
    if (e.role == Role::Pointer) {
        checkPointer(r, dir, e, img);
        return;
    }
    checkOpaque(r, e, img);
    if (scale > 1) {
        const QImage one(dir + "/" + base.name + ".png");
        if (one.size() == QSize(base.side, base.side))
            checkSetMatches(r, e.name, one, img);
    }
}

bool hasSets(const Expected& e)
{
    return e.role != Role::Pointer && !e.name.startsWith("icon");
}

} // namespace

int verifyDirectory(const QString& dir)
{
    Reporter r;
    for (const Expected& e : expectedFiles()) {
        for (int scale = 1; scale <= (hasSets(e) ? kLargestSet : 1); ++scale)
            checkFile(r, dir, e, scale);
    }
    checkHeadings(r, dir);
    checkQuarterTurns(r, dir);
    checkExhaust(r, dir);
    return r.failures;
}

} // namespace artgen
