// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/view/letterbox.h"

#include <algorithm>
#include <cmath>

namespace gravok::ui {
namespace {

// Only whole device pixels of the area can show anything.
QSizeF devicePixels(QSizeF area, double dpr)
{
    return {std::floor(area.width() * dpr + 1e-9), std::floor(area.height() * dpr + 1e-9)};
}

} // namespace

QRect Letterbox::toWidget(const QRectF& formRect) const
{
    const QRectF scaled(toWidget(formRect.topLeft()), formRect.size() * scale);
    return scaled.toAlignedRect().adjusted(-1, -1, 1, 1);
}

QRegion Letterbox::toForm(const QRegion& widgetRegion) const
{
    QRegion form;
    for (const QRect& r : widgetRegion)
        form += QRectF(toForm(QPointF(r.topLeft())), QSizeF(r.size()) / scale).toAlignedRect();
    return form;
}

Letterbox centredLetterbox(QSizeF area, QSizeF content, double scale, double dpr)
{
    if (dpr <= 0)
        dpr = 1.0;
    const QSizeF device = devicePixels(area, dpr);
    const double deviceScale = scale * dpr;
    // Whole-device-pixel bars keep the form's pixel grid on the screen's. A form that
    // rounds a hair larger than its area still starts at the corner.
    const auto bar = [](double room, double used) { return std::max(0.0, std::floor((room - used) / 2 + 1e-9)); };
    const QPointF deviceOrigin(bar(device.width(), content.width() * deviceScale),
                               bar(device.height(), content.height() * deviceScale));
    return {scale, deviceOrigin / dpr, dpr};
}

Letterbox fitLetterbox(QSizeF area, QSizeF content, double dpr)
{
    if (dpr <= 0)
        dpr = 1.0;
    if (content.isEmpty() || area.isEmpty())
        return {1.0, {}, dpr};
    const QSizeF device = devicePixels(area, dpr);
    const double deviceScale = std::min(device.width() / content.width(), device.height() / content.height());
    if (deviceScale <= 0)
        return {1.0, {}, dpr};
    return centredLetterbox(area, content, deviceScale / dpr, dpr);
}

QSize openingSize(QSize content, QSize available)
{
    if (content.isEmpty() || available.isEmpty())
        return content;
    if (content.width() <= available.width() && content.height() <= available.height())
        return content;
    const double scale = std::min(static_cast<double>(available.width()) / content.width(),
                                  static_cast<double>(available.height()) / content.height());
    return {static_cast<int>(std::floor(content.width() * scale)),
            static_cast<int>(std::floor(content.height() * scale))};
}

QPoint devicePixel(const Letterbox& box, QPointF formPos)
{
    const QPointF origin = box.deviceOrigin();
    const double s = box.deviceScale();
    return {static_cast<int>(std::lround(origin.x() + formPos.x() * s)),
            static_cast<int>(std::lround(origin.y() + formPos.y() * s))};
}

} // namespace gravok::ui
