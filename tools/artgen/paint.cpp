// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "art.h"

#include <QPainter>
#include <QRadialGradient>

#include <cmath>
#include <cstddef>
#include <numbers>

namespace artgen {

std::uint64_t Rng::next()
{
    // splitmix64: tiny, well mixed and identical everywhere.
    state_ += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double Rng::uniform(double lo, double hi)
{
    const double unit = static_cast<double>(next() >> 11) / 9007199254740992.0;
    return lo + (hi - lo) * unit;
}

QImage blackCanvas(QSize size)
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(Qt::black);
    return img;
}

QImage clearCanvas(QSize size)
{
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

void preparePainter(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.setPen(Qt::NoPen);
}

QPainterPath smoothClosed(const std::vector<QPointF>& points, double roundness)
{
    QPainterPath path;
    const std::size_t n = points.size();
    if (n < 3)
        return path;
    // Each corner is rounded over `roundness` of its two edges; 0.5 leaves no
    // straight run at all, smaller values keep flat facets between corners.
    auto at = [&](std::size_t i, double t) { return points[i % n] + (points[(i + 1) % n] - points[i % n]) * t; };
    path.moveTo(at(n - 1, 1.0 - roundness));
    for (std::size_t i = 0; i < n; ++i) {
        path.quadTo(points[i], at(i, roundness));
        path.lineTo(at(i, 1.0 - roundness));
    }
    path.closeSubpath();
    return path;
}

std::vector<QPointF> lumpyRing(Rng& rng, QPointF centre, int count, double rMin, double rMax)
{
    std::vector<QPointF> pts;
    pts.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const double a = (i + rng.uniform(-0.25, 0.25)) * 2.0 * std::numbers::pi / count;
        const double r = rng.uniform(rMin, rMax);
        pts.emplace_back(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
    }
    return pts;
}

void shadeLitBody(QPainter& p, const QPainterPath& shape, QPointF centre, double radius, QColor light, QColor base,
                  QColor dark)
{
    p.save();
    p.setClipPath(shape, Qt::IntersectClip);
    const QPointF focal = centre + QPointF(-0.4 * radius, -0.45 * radius);
    QRadialGradient g(centre + QPointF(-0.15 * radius, -0.15 * radius), radius * 1.25, focal);
    g.setColorAt(0.0, light);
    g.setColorAt(0.45, base);
    g.setColorAt(1.0, dark);
    p.setBrush(g);
    p.setPen(Qt::NoPen);
    p.drawPath(shape);
    p.restore();
}

QImage boxDownsample(const QImage& src, int factor)
{
    const QImage in = src.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage out(in.width() / factor, in.height() / factor, QImage::Format_ARGB32_Premultiplied);
    const int area = factor * factor;
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) {
            int sum[4] = {0, 0, 0, 0};
            for (int j = 0; j < factor; ++j) {
                const QRgb* row = reinterpret_cast<const QRgb*>(in.constScanLine(y * factor + j)) +
                                  static_cast<std::ptrdiff_t>(x) * factor;
                for (int i = 0; i < factor; ++i) {
                    sum[0] += qRed(row[i]), sum[1] += qGreen(row[i]);
                    sum[2] += qBlue(row[i]), sum[3] += qAlpha(row[i]);
                }
            }
            auto avg = [area](int s) { return (s + area / 2) / area; };
            out.setPixel(x, y, qRgba(avg(sum[0]), avg(sum[1]), avg(sum[2]), avg(sum[3])));
        }
    }
    return out;
}

QColor mix(QColor a, QColor b, double t)
{
    auto ch = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
    return QColor(ch(a.red(), b.red()), ch(a.green(), b.green()), ch(a.blue(), b.blue()), ch(a.alpha(), b.alpha()));
}

QColor withAlpha(QColor c, int alpha)
{
    c.setAlpha(alpha);
    return c;
}

} // namespace artgen
