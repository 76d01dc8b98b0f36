// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QPoint>
#include <QRect>

#include "core/form.h"
#include "ui/letterbox.h"

namespace gravok::shotcheck {

// Where a form of the model lies in a screenshot: the window's client area on the screen
// and the letterbox the game's view puts the form in. Model positions are twips; a form
// pixel is 15 twips, times the view's uniform scale.
class ScreenMap {
public:
    // A top-level window that fits its form into its size (the main window).
    static ScreenMap fitted(QRect window, const Form& form);
    // A dialog, drawn at the main window's scale and centred in its own size.
    static ScreenMap atScale(QRect window, const Form& form, double scale);

    [[nodiscard]] double scale() const { return box_.scale; }
    // A point of the form, in form pixels, on the screen.
    [[nodiscard]] QPoint toScreen(QPointF formPixels) const;
    // A rectangle of the form, in form pixels, on the screen (rounded outwards).
    [[nodiscard]] QRect toScreen(QRect formPixels) const;
    // A control's box on the screen, frames taken into account.
    [[nodiscard]] QRect controlRect(const Control& control) const;
    // A layer of the given size in form pixels whose corner lies at `at` in this form, as
    // the window places it: at the same scale, rounded as the window rounds it.
    [[nodiscard]] QRect layerRect(QPointF at, QSize size) const;
    // The form's whole client area on the screen.
    [[nodiscard]] QRect formRect() const { return formRect_; }

private:
    ScreenMap(QRect window, ui::Letterbox box, QRect formPixels);
    QRect window_;
    ui::Letterbox box_;
    QRect formRect_;
};

} // namespace gravok::shotcheck
