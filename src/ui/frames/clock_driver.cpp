// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frames/clock_driver.h"

#include "core/clock.h"
#include "ui/host/game_host.h"

namespace gravok::ui {

ClockDriver::ClockDriver(GameHost& host, VirtualClock& clock, QObject* parent)
    : QObject(parent), host_(host), clock_(clock)
{
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &ClockDriver::wake);
}

ClockDriver::~ClockDriver()
{
    host_.setCallHooks({}, {});
}

void ClockDriver::start()
{
    real_.start();
    pacer_.restart(real_.nsecsElapsed());
    host_.setCallHooks([this] { catchUp(); }, [this] { schedule(); });
    schedule();
}

void ClockDriver::setSpeed(int percent)
{
    speed_ = percent;
    if (speedChanged)
        speedChanged(percent);
    if (!real_.isValid()) {
        pacer_.setRate({percent, FullSpeed}, 0); // start() begins the reckoning
        return;
    }
    catchUp(); // the time until now at the old speed
    pacer_.setRate({percent, FullSpeed}, real_.nsecsElapsed());
    schedule();
}

double ClockDriver::gameNowMs() const
{
    return static_cast<double>(clock_.now()) + static_cast<double>(pacer_.pendingNs(real_.nsecsElapsed())) / 1e6;
}

void ClockDriver::wake()
{
    catchUp();
    schedule();
}

void ClockDriver::catchUp()
{
    if (host_.ended())
        return;
    if (clock_.held()) {
        pacer_.restart(real_.nsecsElapsed());
        return;
    }
    const std::int64_t ms = pacer_.take(real_.nsecsElapsed());
    int ticks = 0;
    if (ms > 0)
        host_.guarded([&] { ticks = host_.door().advance(static_cast<std::uint64_t>(ms)); });
    if (ticks > 0)
        host_.refresh();
}

void ClockDriver::schedule()
{
    if (host_.ended()) {
        timer_.stop();
        return;
    }
    if (clock_.held()) {
        timer_.start(HeldPollMs);
        return;
    }
    const long long due = clock_.untilNextTick();
    if (due < 0) {
        timer_.stop(); // nothing runs; the next call into the game plans again
        return;
    }
    // Game milliseconds are longer in real time below full speed; the pacer carries the rest.
    const long long real = (due * FullSpeed + speed_ - 1) / speed_;
    timer_.start(static_cast<int>(real < 1 ? 1 : real));
}

} // namespace gravok::ui
