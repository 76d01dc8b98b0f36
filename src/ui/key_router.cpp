// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/key_router.h"

#include <QKeyEvent>
#include <QWidget>

#include "ui/key_map.h"

namespace gravok::ui {

KeyRouter::KeyRouter(IsGameWindow isGameWindow, Deliver deliver, QObject* parent)
    : QObject(parent), isGameWindow_(std::move(isGameWindow)), deliver_(std::move(deliver))
{
}

bool KeyRouter::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride)
        return false;
    const auto* widget = qobject_cast<const QWidget*>(watched);
    if (!widget || !isGameWindow_(widget->window()))
        return false;
    const auto code = virtualKey(static_cast<const QKeyEvent*>(event)->key());
    if (!code)
        return false;
    // Accepting the override keeps shortcuts from claiming a game key; the press follows.
    if (type == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    deliver_(*code);
    return true;
}

} // namespace gravok::ui
