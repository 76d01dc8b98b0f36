// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sound_keys.h"

#include <QKeyEvent>
#include <QWidget>

#include "ui/window_settings.h"

namespace gravok::ui {
namespace {

constexpr auto MuteKeyName = "sound/muted";
constexpr auto VolumeKeyName = "sound/volume";

} // namespace

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

bool storedMute(const WindowSettings& settings)
{
    return settings.value(QLatin1String(MuteKeyName), false).toBool();
}

void storeMute(WindowSettings& settings, bool muted)
{
    settings.setValue(QLatin1String(MuteKeyName), muted);
}

int storedVolume(const WindowSettings& settings)
{
    bool ok = false;
    const int percent = settings.value(QLatin1String(VolumeKeyName)).toString().toInt(&ok);
    return ok && percent >= 0 && percent <= 100 && percent % 10 == 0 ? percent : 100;
}

void storeVolume(WindowSettings& settings, int percent)
{
    settings.setValue(QLatin1String(VolumeKeyName), percent);
}

} // namespace gravok::ui
