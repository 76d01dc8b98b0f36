// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/view/picture_cache.h"

#include <algorithm>
#include <cmath>

#include <QFile>
#include <QPainter>

#include "core/pictures.h"

namespace gravok::ui {
namespace {

// Grey box with a magenta cross: obviously not artwork, but the right size, so the
// layout still plays.
QPixmap placeholder(int n)
{
    const auto size = pictureSize(n);
    const int w = size ? size->width : 32;
    const int h = size ? size->height : 32;
    QPixmap pix(w, h);
    pix.fill(QColor(0x40, 0x40, 0x40));
    QPainter p(&pix);
    p.setPen(QColor(0xFF, 0x00, 0xFF));
    p.drawRect(0, 0, w - 1, h - 1);
    p.drawLine(0, 0, w - 1, h - 1);
    p.drawLine(0, h - 1, w - 1, 0);
    return pix;
}

// "x y" in the text resource beside the hand picture.
QPoint handHotspot()
{
    QFile file(QStringLiteral(":/art/hand.hotspot"));
    if (!file.open(QIODevice::ReadOnly))
        return {0, 0};
    const QList<QByteArray> parts = file.readAll().simplified().split(' ');
    if (parts.size() != 2)
        return {0, 0};
    return {parts[0].toInt(), parts[1].toInt()};
}

} // namespace

const QPixmap& PictureCache::picture(int n)
{
    auto it = pictures_.find(n);
    if (it == pictures_.end()) {
        QPixmap pix(QStringLiteral(":/art/%1.png").arg(n));
        it = pictures_.emplace(n, pix.isNull() ? placeholder(n) : pix).first;
    }
    return it->second;
}

int PictureCache::artSet(double deviceScale)
{
    return std::clamp(static_cast<int>(std::ceil(deviceScale - 1e-6)), 1, 4);
}

const QPixmap& PictureCache::picture(int n, double deviceScale)
{
    const QPixmap& base = picture(n);
    if (std::abs(deviceScale - 1.0) < 1e-9)
        return base;
    // One scale shows at a time (dialogs share the main window's), so a new one
    // replaces the pictures made for the last.
    if (deviceScale != scaledFor_) {
        scaled_.clear();
        scaledFor_ = deviceScale;
    }
    auto it = scaled_.find(n);
    if (it != scaled_.end())
        return it->second;
    const QSize size(static_cast<int>(std::lround(base.width() * deviceScale)),
                     static_cast<int>(std::lround(base.height() * deviceScale)));
    const int set = artSet(deviceScale);
    QPixmap source = set == 1 ? base : QPixmap(QStringLiteral(":/art/%1@%2x.png").arg(n).arg(set));
    if (source.isNull())
        source = base;
    if (source.size() != size)
        source = source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // A file named @2x says it is for a doubled screen; we place it pixel for pixel.
    source.setDevicePixelRatio(1.0);
    return scaled_.emplace(n, source).first->second;
}

const QCursor& PictureCache::handCursor()
{
    if (!hand_) {
        const QPixmap hand(QStringLiteral(":/art/hand.png"));
        if (hand.isNull()) {
            hand_ = QCursor(Qt::PointingHandCursor);
        } else {
            const QPoint tip = handHotspot();
            hand_ = QCursor(hand, tip.x(), tip.y());
        }
    }
    return *hand_;
}

} // namespace gravok::ui
