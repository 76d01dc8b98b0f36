// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QPointF>
#include <QSizeF>

namespace gravok::ui {

// Where a form of a fixed size lies in a widget of any size: scaled uniformly, centred,
// with black bars round it.
struct Letterbox {
    double scale = 1.0;
    QPointF origin; // the form's top-left corner in widget pixels

    [[nodiscard]] QPointF toForm(QPointF widgetPos) const { return (widgetPos - origin) / scale; }
    [[nodiscard]] QPointF toWidget(QPointF formPos) const { return origin + formPos * scale; }
};

// The form at a given scale, centred in the area.
[[nodiscard]] Letterbox centredLetterbox(QSizeF area, QSizeF content, double scale);

// Whole-number scales keep every bitmap pixel the same size, so the largest one that
// fits wins; only a widget smaller than the form gets a fractional scale.
[[nodiscard]] Letterbox fitLetterbox(QSizeF area, QSizeF content);

} // namespace gravok::ui
