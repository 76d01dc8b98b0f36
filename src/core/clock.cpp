// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock.h"

#include <limits>

namespace gravok {
namespace {
bool running(const Control& t)
{
    return t.Enabled() && t.Interval > 0;
}
} // namespace

void VirtualClock::add(Control& timer, Tick tick)
{
    entries_.push_back(Entry{&timer, std::move(tick)});
    sync();
}

// A timer that was switched on since we last looked starts its interval now.
void VirtualClock::sync()
{
    for (Entry& e : entries_) {
        if (!running(*e.timer)) {
            e.armed = false;
        } else if (!e.armed || e.epoch != e.timer->enableEpoch()) {
            e.armed = true;
            e.epoch = e.timer->enableEpoch();
            e.due = now_ + static_cast<std::uint64_t>(e.timer->Interval);
        }
    }
}

void VirtualClock::run(Entry& e)
{
    hold(); // a tick is never re-entered, not even from a dialog it opens
    try {
        e.tick();
    } catch (...) {
        release();
        throw;
    }
    release();
    ++ticksRun_;
    if (onTick)
        onTick(*e.timer);
}

int VirtualClock::advance(std::uint64_t ms)
{
    if (held())
        return 0;
    const std::uint64_t target = now_ + ms;
    int fired = 0;
    for (;;) {
        sync();
        std::uint64_t next = std::numeric_limits<std::uint64_t>::max();
        for (const Entry& e : entries_)
            if (e.armed && e.due < next)
                next = e.due;
        if (next > target)
            break;
        now_ = next;
        for (Entry& e : entries_) {
            sync();
            if (!e.armed || e.due != now_)
                continue;
            e.due += static_cast<std::uint64_t>(e.timer->Interval);
            run(e);
            ++fired;
        }
    }
    now_ = target;
    return fired;
}

bool VirtualClock::fire(const std::string& timerName)
{
    for (Entry& e : entries_) {
        if (e.timer->Name == timerName) {
            run(e);
            sync();
            return true;
        }
    }
    return false;
}

long long VirtualClock::untilNextTick()
{
    sync();
    long long best = -1;
    for (const Entry& e : entries_)
        if (e.armed && (best < 0 || static_cast<long long>(e.due - now_) < best))
            best = static_cast<long long>(e.due - now_);
    return best;
}

long long VirtualClock::nextTickOf(const Control& timer)
{
    sync();
    for (const Entry& e : entries_)
        if (e.timer == &timer)
            return e.armed ? static_cast<long long>(e.due) : -1;
    return -1;
}

void VirtualClock::copyStateFrom(const VirtualClock& other)
{
    now_ = other.now_;
    holds_ = other.holds_;
    ticksRun_ = other.ticksRun_;
    for (std::size_t i = 0; i < entries_.size() && i < other.entries_.size(); ++i) {
        entries_[i].due = other.entries_[i].due;
        entries_[i].epoch = other.entries_[i].epoch;
        entries_[i].armed = other.entries_[i].armed;
    }
}

} // namespace gravok
