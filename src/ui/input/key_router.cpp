// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/input/key_router.h"

#include <QKeyEvent>
#include <QWidget>

namespace gravok::ui {

bool isQuitKey(int key, Qt::KeyboardModifiers modifiers)
{
    return (key == Qt::Key_Q && modifiers.testFlag(Qt::ControlModifier)) ||
           (key == Qt::Key_F4 && modifiers.testFlag(Qt::AltModifier));
}

KeyRouter::KeyRouter(IsGameWindow isGameWindow, Deliver deliver, QObject* parent)
    : QObject(parent), isGameWindow_(std::move(isGameWindow)), deliver_(std::move(deliver))
{}

void KeyRouter::layerOpened()
{
    ++layers_;
    stale_.insert(down_.begin(), down_.end());
}

void KeyRouter::layerClosed()
{
    if (layers_ > 0)
        --layers_;
}

bool KeyRouter::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::ShortcutOverride)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (!isGameWindow_(widget->window())) {
        if (type == QEvent::KeyRelease || !isQuitKey(key->key(), key->modifiers()))
            return false;
        event->accept();
        if (type == QEvent::KeyPress) {
            widget->window()->close();
            deliver_({key->key(), key->modifiers(), key->text()});
        }
        return true;
    }
    // Accepting the override keeps shortcuts from claiming a game key; the press follows.
    if (type == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    if (type == QEvent::KeyRelease) {
        if (!key->isAutoRepeat()) {
            down_.erase(key->key());
            stale_.erase(key->key());
        }
        return false;
    }
    if (!key->isAutoRepeat())
        down_.insert(key->key());
    if (stale_.contains(key->key()) || (key->isAutoRepeat() && layers_ > 0))
        return true;
    return deliver_({key->key(), key->modifiers(), key->text(), key->isAutoRepeat()});
}

} // namespace gravok::ui
