// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QLine>
#include <QPointF>
#include <QRect>

#include "core/form.h"

namespace gravok::ui {

// Geometry of a form at scale 1, in whole pixels of 15 twips, as the form's own
// coordinates: controls inside a frame are offset by it.

// The form's client area.
[[nodiscard]] QRect formBox(const Form& form);
// A control's box.
[[nodiscard]] QRect controlBox(const Control& control);
// A line control's two ends.
[[nodiscard]] QLine lineEnds(const Control& line);
// Where a control may show: its frames and the client area, intersected.
[[nodiscard]] QRect clipBox(const Form& form, const Control& control);
// Visible, and so are all the frames it sits in (the core's, beside the captions' shown()).
using gravok::shown;
// The topmost shown label or image under a point, or nullptr: the controls that act as
// buttons in this game.
[[nodiscard]] Control* controlAt(const Form& form, QPointF point);

} // namespace gravok::ui
