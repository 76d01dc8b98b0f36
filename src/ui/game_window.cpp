// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/game_window.h"

#include <cmath>

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QScreen>
#include <QVBoxLayout>

#include "app/frm_haupt.h"
#include "app/game.h"
#include "core/pictures.h"
#include "ui/form_view.h"
#include "ui/game_host.h"

namespace gravok::ui {
namespace {

QIcon programIcon()
{
    QIcon icon;
    for (const char* name : {":/art/icon.png", ":/art/icon-64.png", ":/art/icon-128.png", ":/art/icon-256.png"}) {
        const QPixmap pix(QString::fromLatin1(name));
        if (!pix.isNull())
            icon.addPixmap(pix);
    }
    return icon;
}

} // namespace

GameWindow::GameWindow(GameHost& host, Form& form)
    : host_(host), form_(form), view_(new FormView(form, host.pictures(), this))
{
    setWindowTitle(QString::fromStdString(form.Caption));
    setWindowIcon(programIcon());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    setMinimumSize(view_->formSize() / 4);
    resize(view_->formSize());
    host_.addView(view_);
    // Focus moving to one of our own dialogs keeps the application active; only leaving
    // the program for another one counts.
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state != Qt::ApplicationActive)
            lookedAway();
    });
}

void GameWindow::lookedAway()
{
    host_.call([this] { host_.door().away(); });
}

void GameWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange && isMinimized())
        lookedAway();
    QWidget::changeEvent(event);
}

void GameWindow::placeFromForm()
{
    if (isMaximized() || isFullScreen())
        return;
    const QScreen* where = screen();
    const double formCentre = (form_.Left + form_.Width / 2) / TwipsPerPixel;
    const int clientLeft = where->geometry().x() + static_cast<int>(std::lround(formCentre - width() / 2.0));
    // move() places the frame; the client area sits inside it.
    const int frameOffset = frameGeometry().x() - geometry().x();
    move(clientLeft + frameOffset, frameGeometry().y());
}

void GameWindow::centreOnScreen()
{
    QRect frame = frameGeometry();
    frame.moveCenter(screen()->availableGeometry().center());
    move(frame.topLeft());
}

void GameWindow::closeEvent(QCloseEvent* event)
{
    host_.end();
    event->accept();
}

} // namespace gravok::ui
