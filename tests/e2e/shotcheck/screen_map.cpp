// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "screen_map.h"

#include <cmath>

#include "core/pictures.h"
#include "ui/form_layout.h"
#include "ui/layer.h"

namespace gravok::shotcheck {

ScreenMap::ScreenMap(QRect window, ui::Letterbox box, QRect formPixels) : window_(window), box_(box)
{
    formRect_ = toScreen(formPixels);
}

ScreenMap ScreenMap::fitted(QRect window, const Form& form)
{
    const QRect content = ui::formBox(form);
    return {window, ui::fitLetterbox(QSizeF(window.size()), QSizeF(content.size())), content};
}

ScreenMap ScreenMap::atScale(QRect window, const Form& form, double scale)
{
    const QRect content = ui::formBox(form);
    return {window, ui::centredLetterbox(QSizeF(window.size()), QSizeF(content.size()), scale), content};
}

QPoint ScreenMap::toScreen(QPointF formPixels) const
{
    const QPointF p = box_.toWidget(formPixels);
    return window_.topLeft() + QPoint(static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y())));
}

QRect ScreenMap::toScreen(QRect formPixels) const
{
    const QPoint a = toScreen(QPointF(formPixels.topLeft()));
    const QPointF far = box_.toWidget(QPointF(formPixels.topLeft() + QPoint(formPixels.width(), formPixels.height())));
    const QPoint b =
        window_.topLeft() + QPoint(static_cast<int>(std::ceil(far.x())), static_cast<int>(std::ceil(far.y())));
    return {a, QSize(b.x() - a.x(), b.y() - a.y())};
}

QRect ScreenMap::layerRect(QPointF at, QSize size) const
{
    return ui::layerGeometry(box_, at, QSizeF(size)).translated(window_.topLeft());
}

QRect ScreenMap::controlRect(const Control& control) const
{
    return toScreen(ui::controlBox(control));
}

} // namespace gravok::shotcheck
