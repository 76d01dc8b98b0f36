// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <functional>

#include <QObject>
#include <QTimer>

#include "core/pad_keys.h"

namespace gravok::ui {

// "Feuer: umschalten", for a player who cannot hold a key: one press of the fire key (or
// the pad's fire button) starts firing, the next stops it. While it fires the game gets
// Space at the pace of a held key, so it sees nothing but Space presses, and replays and
// the harness stay as they are. "Feuer: halten" leaves every press to the game.
class FireToggle : public QObject {
    Q_OBJECT
public:
    // FIRE gives the game one Space; CANFIRE says whether a shot would count now (a game
    // running, not paused, no dialog over it).
    FireToggle(std::function<void()> fire, std::function<bool()> canFire, pad::Timing timing,
               QObject* parent = nullptr);

    void setToggles(bool on);
    [[nodiscard]] bool toggles() const { return toggles_; }
    [[nodiscard]] bool firing() const { return timer_.isActive(); }

    // A press of the fire key in the main window; true when it was taken here. A key the
    // desktop repeats because it is held is no new press.
    bool press(bool autoRepeat);
    // A pause, a dialog, the end of a game or a new game.
    void stop() { timer_.stop(); }

private:
    void repeat();

    std::function<void()> fire_;
    std::function<bool()> canFire_;
    pad::Timing timing_;
    QTimer timer_;
    bool toggles_ = false;
};

} // namespace gravok::ui
