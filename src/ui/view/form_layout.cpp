// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/view/form_layout.h"

#include <cmath>

#include "core/pictures.h"

namespace gravok::ui {
namespace {

int pixels(float twips)
{
    return static_cast<int>(std::lround(twips / TwipsPerPixel));
}

// Top-left corner of a control's container in form pixels.
QPoint containerOrigin(const Control& control)
{
    return control.Container ? controlBox(*control.Container).topLeft() : QPoint(0, 0);
}

bool hittable(const Control& c)
{
    return c.Kind == ControlKind::Label || c.Kind == ControlKind::Image;
}

} // namespace

QRect formBox(const Form& form)
{
    return {0, 0, pixels(form.Width), pixels(form.Height)};
}

QRect controlBox(const Control& control)
{
    const QPoint at = containerOrigin(control) + QPoint(pixels(control.Left), pixels(control.Top));
    return {at, QSize(pixels(control.Width), pixels(control.Height))};
}

QLine lineEnds(const Control& line)
{
    const QPoint at = containerOrigin(line);
    return {at + QPoint(pixels(line.Left), pixels(line.Top)), at + QPoint(pixels(line.X2), pixels(line.Y2))};
}

QRect clipBox(const Form& form, const Control& control)
{
    QRect clip = formBox(form);
    for (const Control* c = control.Container; c; c = c->Container)
        clip &= controlBox(*c);
    return clip;
}

Control* controlAt(const Form& form, QPointF point)
{
    const QPoint p(static_cast<int>(std::floor(point.x())), static_cast<int>(std::floor(point.y())));
    const auto& controls = form.controls();
    for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
        Control& c = **it;
        if (hittable(c) && shown(c) && controlBox(c).contains(p) && clipBox(form, c).contains(p))
            return &c;
    }
    return nullptr;
}

} // namespace gravok::ui
