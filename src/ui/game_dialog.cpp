// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/game_dialog.h"

#include "ui/form_view.h"
#include "ui/game_host.h"

namespace gravok::ui {

GameDialog::GameDialog(GameHost& host, Form& form, double scale, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), view_(new FormView(form, host.pictures(), this))
{
    setModal(true);
    setWindowTitle(QString::fromStdString(form.Caption));
    view_->setFixedScale(scale);
    const QSize size = view_->sizeHint();
    view_->setGeometry(0, 0, size.width(), size.height());
    setFixedSize(size);
    host.addView(view_);
    host.addDialog(this, form);
}

// Keys must come here at once, also where no window manager hands the focus over.
void GameDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    raise();
    activateWindow();
    view_->setFocus();
}

void GameDialog::reject()
{
    // A close request from outside the game (the window manager) is not the game's
    // decision; the form closes the dialog when its own handlers say so.
}

} // namespace gravok::ui
