// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <functional>

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include "core/game_speed.h"
#include "core/real_time_pacer.h"

namespace gravok {
class VirtualClock;
} // namespace gravok

namespace gravok::ui {

class GameHost;

// Feeds real elapsed time into the game's virtual clock. It sleeps until the next tick is
// due and not at all while no timer runs (a paused game costs nothing). Every call into
// the game first brings the clock up to now, so a timer the call switches on starts its
// interval at the real moment of the key press, and afterwards the wake-up is planned
// anew. While the clock is held (a dialog is up) it looks in now and then and lets no
// time pile up.
class ClockDriver : public QObject {
    Q_OBJECT
public:
    static constexpr int HeldPollMs = 50;

    ClockDriver(GameHost& host, VirtualClock& clock, QObject* parent = nullptr);
    ~ClockDriver() override;

    void start();
    // The game speed in per cent (50 … 100): the clock is fed that share of real time, so
    // the game's own time, its ticks and its random draws stay as they are, only slower.
    void setSpeed(int percent);
    [[nodiscard]] int speed() const { return speed_; }
    // Told of every new speed, the one set at start included (the recording keeps it).
    std::function<void(int percent)> speedChanged;
    // The game's time now in milliseconds, the part of a millisecond not yet given to the
    // clock included: where the frames between two ticks stand.
    [[nodiscard]] double gameNowMs() const;

private:
    void wake();
    void catchUp();
    void schedule();

    GameHost& host_;
    VirtualClock& clock_;
    QTimer timer_;
    QElapsedTimer real_;
    RealTimePacer pacer_;
    int speed_ = FullSpeed;
};

} // namespace gravok::ui
