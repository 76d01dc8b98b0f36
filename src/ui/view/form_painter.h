// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <unordered_map>

#include <QColor>
#include <QPointF>
#include <QRect>

#include "core/form.h"

class QPainter;
class QRegion;

namespace gravok::ui {

class PictureCache;

// Where pictures are drawn elsewhere than the model has them (moving between two ticks):
// their top-left corner in form pixels, fractions allowed.
using DrawnPlaces = std::unordered_map<const Control*, QPointF>;

// Paints a form's drawn controls (frames, labels, shapes, lines, images) in drawing
// order, in form pixels: the caller sets the painter's scale. Option buttons and list
// boxes are real widgets and not painted here.
class FormPainter {
public:
    FormPainter(QPainter& painter, PictureCache& pictures, const DrawnPlaces* drawn = nullptr)
        : p_(painter), pictures_(pictures), drawn_(drawn)
    {}

    // ONLY, when given, is where the frame repaints (form pixels): controls wholly
    // outside it are skipped, which matters when only a few moving pictures repaint.
    void paint(const Form& form, const QRegion* only = nullptr);
    // A fingerprint of everything paint() reads: equal keys give the same picture, so a
    // view repaints only when the key moves.
    [[nodiscard]] static std::uint64_t stateKey(const Form& form);
    // The same for one control: a moved, changed, shown or hidden control changes it.
    [[nodiscard]] static std::uint64_t controlKey(const Control& control);
    // Where a control's paint can reach, in form pixels.
    [[nodiscard]] static QRect paintedBox(const Form& form, const Control& control);

    // Where the form's own background shows: its client area less what opaque controls
    // cover.
    [[nodiscard]] static QRegion uncovered(const Form& form);

private:
    void paintControl(const Control& c, const QRect& box);
    void paintFrame(const Control& c, const QRect& box);
    void paintLabel(const Control& c, const QRect& box);
    void paintShape(const Control& c, const QRect& box);
    void paintLine(const Control& c);
    void paintImage(const Control& c, const QRect& box);
    void paintImageAt(const Control& c, QPointF at);
    void outline(const QRect& box, int width, const QColor& color);

    [[nodiscard]] QString caption(const Control& c) const;

    QPainter& p_;
    PictureCache& pictures_;
    // The form being painted: its name is the context its captions are translated in.
    const Form* form_ = nullptr;
    const DrawnPlaces* drawn_;
};

} // namespace gravok::ui
