// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/view/game_window.h"

#include <cmath>

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <QVBoxLayout>

#include "app/frm_haupt.h"
#include "app/game.h"
#include "core/pictures.h"
#include "ui/host/game_host.h"
#include "ui/view/form_view.h"
#include "ui/view/letterbox.h"

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

bool isFullScreenKey(int key, Qt::KeyboardModifiers modifiers, bool bound)
{
    const Qt::KeyboardModifiers held = modifiers & ~Qt::KeypadModifier;
    if (bound)
        return held == Qt::NoModifier;
    return (key == Qt::Key_Return || key == Qt::Key_Enter) && held == Qt::AltModifier;
}

GameWindow::GameWindow(GameHost& host, Form& form, WindowSettings* settings)
    : host_(host), form_(form), view_(new FormView(form, host.pictures(), this)), settings_(settings)
{
    setWindowTitle(QString::fromStdString(form.Caption));
    setWindowIcon(programIcon());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    setMinimumSize(view_->formSize() / 4);
    resize(openingSize(view_->formSize(), screen()->availableGeometry().size()));
    host_.addView(view_);
    // Installed after the host's key router, so it sees the window keys first.
    qApp->installEventFilter(this);
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

bool GameWindow::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride)
        return false;
    const auto* widget = qobject_cast<const QWidget*>(watched);
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (!widget || widget->window() != this ||
        !isFullScreenKey(key->key(), key->modifiers(), host_.isActionKey(key->key(), bind::Action::FullScreen)))
        return false;
    event->accept();
    if (type == QEvent::KeyPress && !key->isAutoRepeat())
        toggleFullScreen();
    return true;
}

void GameWindow::toggleFullScreen()
{
    if (isFullScreen())
        leaveFullScreen();
    else
        enterFullScreen();
}

// A desktop without a window manager (a bare X server, a kiosk) takes the request but
// nobody acts on it; then the window sizes itself.
void GameWindow::enterFullScreen()
{
    if (!isMaximized())
        normalBeforeFullScreen_ = geometry();
    maximizedBeforeFullScreen_ = isMaximized();
    showFullScreen();
    // Through the native window: a widget's own setGeometry() would end the state.
    QTimer::singleShot(300, this, [this] {
        if (isFullScreen() && geometry() != screen()->geometry() && windowHandle())
            windowHandle()->setGeometry(screen()->geometry());
    });
}

void GameWindow::leaveFullScreen()
{
    if (maximizedBeforeFullScreen_) {
        showMaximized();
        return;
    }
    showNormal();
    if (!normalBeforeFullScreen_.isValid())
        return;
    setGeometry(normalBeforeFullScreen_);
    QTimer::singleShot(300, this, [this] {
        if (!isFullScreen() && !isMaximized() && geometry().size() != normalBeforeFullScreen_.size())
            setGeometry(normalBeforeFullScreen_);
    });
}

void GameWindow::showAsRemembered()
{
    const auto kept = settings_ ? settings_->placement() : std::nullopt;
    if (!kept) {
        centreOnScreen();
        show();
        return;
    }
    restored_ = true;
    // A screen that has gone or shrunk since: the window comes back on the nearest one,
    // no larger than its free area.
    const QScreen* where = QGuiApplication::screenAt(kept->normal.center());
    if (!where)
        where = screen();
    const QRect free = where->availableGeometry();
    QRect normal(kept->normal.topLeft(), kept->normal.size().boundedTo(free.size()));
    if (!free.contains(normal))
        normal.moveCenter(free.center());
    setGeometry(normal);
    normalBeforeFullScreen_ = normal;
    if (kept->maximized)
        showMaximized();
    else
        show();
    if (kept->fullScreen)
        enterFullScreen();
}

void GameWindow::remember()
{
    if (!settings_)
        return;
    const bool full = isFullScreen();
    QRect normal = isMaximized() ? normalGeometry() : geometry();
    if (full)
        normal = normalBeforeFullScreen_;
    if (!normal.isValid())
        normal = QRect(pos(), openingSize(view_->formSize(), screen()->availableGeometry().size()));
    settings_->setPlacement({normal, full ? maximizedBeforeFullScreen_ : isMaximized(), full});
    settings_->flush();
}

void GameWindow::placeFromForm()
{
    if (isMaximized() || isFullScreen() || restored_)
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
    remember();
    host_.end();
    event->accept();
}

} // namespace gravok::ui
