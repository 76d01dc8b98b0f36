// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QColor>
#include <QPointF>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <QSizeF>

namespace gravok::ui {

// Where a form of a fixed size lies in a widget of any size: scaled uniformly, centred,
// with bars round it. Scale and origin are in widget (logical) pixels; the placement
// itself is worked out in device pixels so the form's corner sits on a device pixel.
struct Letterbox {
    double scale = 1.0;
    QPointF origin;   // the form's top-left corner in widget pixels
    double dpr = 1.0; // device pixels per widget pixel

    // Device pixels per form pixel: what pictures are drawn for.
    [[nodiscard]] double deviceScale() const { return scale * dpr; }
    [[nodiscard]] QPointF deviceOrigin() const { return origin * dpr; }
    [[nodiscard]] QPointF toForm(QPointF widgetPos) const { return (widgetPos - origin) / scale; }
    [[nodiscard]] QPointF toWidget(QPointF formPos) const { return origin + formPos * scale; }
    // A rectangle of form pixels as the widget pixels it touches, with a pixel to spare.
    [[nodiscard]] QRect toWidget(const QRectF& formRect) const;
    // The form pixels a repaint of widget pixels touches, rounded outwards.
    [[nodiscard]] QRegion toForm(const QRegion& widgetRegion) const;
};

// The bars: a shade lighter than the black field, so the edge where objects wrap shows.
inline const QColor letterboxBars{0x1C, 0x20, 0x2A};

// The form at a given scale (widget pixels per form pixel), centred in the area.
[[nodiscard]] Letterbox centredLetterbox(QSizeF area, QSizeF content, double scale, double dpr = 1.0);

// The largest uniform scale that fits, fractions included, counted in device pixels.
[[nodiscard]] Letterbox fitLetterbox(QSizeF area, QSizeF content, double dpr = 1.0);

// A window's first size: the form at scale 1, or as large as fits when the screen's
// available area is smaller than that.
[[nodiscard]] QSize openingSize(QSize content, QSize available);

// Where one form pixel rectangle lands on the device: whole device pixels, the same
// rounding the view uses for pictures, so tests and the screenshot checker agree with it.
[[nodiscard]] QPoint devicePixel(const Letterbox& box, QPointF formPos);

} // namespace gravok::ui
