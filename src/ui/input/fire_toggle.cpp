// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/input/fire_toggle.h"

namespace gravok::ui {

FireToggle::FireToggle(std::function<void()> fire, std::function<bool()> canFire, pad::Timing timing, QObject* parent)
    : QObject(parent), fire_(std::move(fire)), canFire_(std::move(canFire)), timing_(timing)
{
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &FireToggle::repeat);
}

void FireToggle::setToggles(bool on)
{
    toggles_ = on;
    if (!on)
        stop();
}

bool FireToggle::press(bool autoRepeat)
{
    if (!toggles_)
        return false;
    if (autoRepeat)
        return true;
    if (firing()) {
        stop();
        return true;
    }
    // Paused or between games the press is the game's, as a held key's would be.
    if (!canFire_())
        return false;
    // As a held key: the first shot now, the next after the desktop's delay, then at its pace.
    timer_.start(timing_.delayMs);
    fire_();
    return true;
}

void FireToggle::repeat()
{
    if (!canFire_()) {
        stop();
        return;
    }
    timer_.setInterval(timing_.intervalMs);
    fire_();
}

} // namespace gravok::ui
