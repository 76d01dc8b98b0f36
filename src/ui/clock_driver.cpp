#include "ui/clock_driver.h"

#include <algorithm>

#include "core/clock.h"
#include "ui/game_host.h"

namespace gravok::ui {

std::int64_t RealTimePacer::take(std::int64_t nowNs)
{
    constexpr std::int64_t NsPerMs = 1'000'000;
    const std::int64_t ms = (nowNs - lastNs_) / NsPerMs;
    if (ms > maxStepMs_) {
        lastNs_ = nowNs;
        return maxStepMs_;
    }
    if (ms <= 0)
        return 0;
    lastNs_ += ms * NsPerMs;
    return ms;
}

ClockDriver::ClockDriver(GameHost& host, VirtualClock& clock, QObject* parent)
    : QObject(parent), host_(host), clock_(clock)
{
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &ClockDriver::wake);
}

void ClockDriver::start()
{
    real_.start();
    pacer_.restart(real_.nsecsElapsed());
    schedule();
}

void ClockDriver::wake()
{
    if (host_.ended())
        return;
    if (clock_.held()) {
        pacer_.restart(real_.nsecsElapsed());
        schedule();
        return;
    }
    const std::int64_t ms = pacer_.take(real_.nsecsElapsed());
    int ticks = 0;
    if (ms > 0)
        host_.guarded([&] { ticks = clock_.advance(static_cast<std::uint64_t>(ms)); });
    if (ticks > 0)
        host_.refresh();
    schedule();
}

void ClockDriver::schedule()
{
    if (host_.ended())
        return;
    const long long due = clock_.held() ? -1 : clock_.untilNextTick();
    const long long sleep = due < 0 ? MaxSleepMs : std::clamp<long long>(due, 1, MaxSleepMs);
    timer_.start(static_cast<int>(sleep));
}

} // namespace gravok::ui
