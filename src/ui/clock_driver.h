// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

namespace gravok {
class VirtualClock;
} // namespace gravok

namespace gravok::ui {

class GameHost;

// Turns readings of a real-time clock into whole milliseconds of game time. The part of
// a millisecond left over is carried to the next reading; a late reading (the window was
// stalled) gives at most maxStepMs, so the game does not replay a burst of ticks.
class RealTimePacer {
public:
    static constexpr std::int64_t DefaultMaxStepMs = 100;

    explicit RealTimePacer(std::int64_t maxStepMs = DefaultMaxStepMs) : maxStepMs_(maxStepMs) {}

    // Forgets the time since the last reading: it passed while the game stood still.
    void restart(std::int64_t nowNs) { lastNs_ = nowNs; }
    // Milliseconds to advance for the time since the last reading.
    std::int64_t take(std::int64_t nowNs);
    // The real time the game's clock stands at: the part of a millisecond not yet taken
    // is what passed since.
    [[nodiscard]] std::int64_t last() const { return lastNs_; }

private:
    std::int64_t maxStepMs_;
    std::int64_t lastNs_ = 0;
};

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
};

} // namespace gravok::ui
