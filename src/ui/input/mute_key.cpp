// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/input/mute_key.h"

#include <QKeyEvent>
#include <QWidget>

namespace gravok::ui {
MuteKey::MuteKey(IsGameWindow isGameWindow, std::function<void()> toggle, QObject* parent)
    : QObject(parent), isGameWindow_(std::move(isGameWindow)), toggle_(std::move(toggle))
{}

bool MuteKey::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    const auto* widget = qobject_cast<const QWidget*>(watched);
    const bool ours = is_ ? is_(key->key()) : key->key() == Qt::Key_M;
    if (!ours || (key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) || !widget ||
        !isGameWindow_(widget->window()) || widget->testAttribute(Qt::WA_InputMethodEnabled))
        return false;
    // Held down, M stays one press: the sound does not flutter on and off.
    if (!key->isAutoRepeat())
        toggle_();
    return true;
}

} // namespace gravok::ui
