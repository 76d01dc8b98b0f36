// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/layers/layer.h"

#include <algorithm>

#include <QEvent>
#include <QMouseEvent>

#include "core/pictures.h"
#include "ui/host/game_host.h"
#include "ui/view/form_view.h"

namespace gravok::ui {

QPointF layerPlace(const Form& dialog, const Form& main)
{
    const double room = static_cast<double>(main.Width - dialog.Width) / TwipsPerPixel;
    const double height = static_cast<double>(main.Height - dialog.Height) / TwipsPerPixel;
    const double x = static_cast<double>(dialog.Left - main.Left) / TwipsPerPixel;
    const double y = static_cast<double>(dialog.Top - main.Top) / TwipsPerPixel;
    return {std::clamp(x, 0.0, std::max(0.0, room)), std::clamp(y, 0.0, std::max(0.0, height))};
}

QRect layerGeometry(const Letterbox& box, QPointF at, QSizeF formSize)
{
    return {box.toWidget(at).toPoint(), (formSize * box.scale).toSize()};
}

Layer::Layer(GameHost& host, Form& form, FormView& main)
    : QWidget(&main), host_(host), form_(form), main_(main), view_(new FormView(form, host.pictures(), this))
{
    // The field shows round the dialog; the layer itself paints nothing.
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    host_.addView(view_);
    main_.installEventFilter(this);
    place();
    show();
    raise();
    view_->setFocus();
}

Layer::~Layer()
{
    main_.removeEventFilter(this);
    if (main_.isVisible())
        main_.setFocus();
}

void Layer::place()
{
    setGeometry(main_.rect());
    const Letterbox box = main_.letterbox();
    view_->setFixedScale(box.scale);
    view_->setGeometry(layerGeometry(box, layerPlace(form_, main_.form()), QSizeF(view_->formSize())));
}

void Layer::run()
{
    if (!finished_)
        loop_.exec();
}

void Layer::finish()
{
    finished_ = true;
    loop_.exit();
}

bool Layer::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &main_ && event->type() == QEvent::Resize)
        place();
    return false;
}

// A click beside the dialog goes nowhere, as beside a modal window.
void Layer::mousePressEvent(QMouseEvent* event)
{
    event->accept();
}

} // namespace gravok::ui
