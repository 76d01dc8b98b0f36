// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "control.h"

namespace gravok {

// Virtual time for the window's timers. Each enabled timer fires every time its interval
// elapses; timers due at the same instant fire in the order they were added. While the
// clock is held (a modal dialog is up, or a tick is running) it does not move.
class VirtualClock {
public:
    using Tick = std::function<void()>;

    void add(Control& timer, Tick tick);
    // Runs the ticks that fall due within ms; returns how many ran.
    int advance(std::uint64_t ms);
    [[nodiscard]] std::uint64_t now() const { return now_; }

    void hold() { ++holds_; }
    void release()
    {
        if (holds_ > 0)
            --holds_;
    }
    [[nodiscard]] bool held() const { return holds_ > 0; }

    // Runs a timer's handler once by its control's name, enabled or not; false if unknown.
    bool fire(const std::string& timerName);
    // Milliseconds until the next tick is due, or -1 if no timer runs.
    [[nodiscard]] long long untilNextTick();
    // The virtual time TIMER fires next, or -1 if it does not run.
    [[nodiscard]] long long nextTickOf(const Control& timer);
    // Takes OTHER's time, holds, counts and each timer's next due time. Both clocks serve
    // copies of one window, their timers added in the same order.
    void copyStateFrom(const VirtualClock& other);

    // How many ticks have run.
    [[nodiscard]] std::uint64_t ticksRun() const { return ticksRun_; }

    // Told of every tick after its handler has run (the window's --stats probe counts them).
    std::function<void(const Control& timer)> onTick;

private:
    struct Entry {
        Control* timer;
        Tick tick;
        std::uint64_t due = 0;
        unsigned epoch = 0;
        bool armed = false;
    };
    void sync();
    void run(Entry& e);

    std::vector<Entry> entries_;
    std::uint64_t now_ = 0;
    int holds_ = 0;
    std::uint64_t ticksRun_ = 0;
};

// Holds CLOCK, when there is one, for as long as it lives: no tick runs behind a dialog.
class ClockHold {
public:
    explicit ClockHold(VirtualClock* clock) : clock_(clock)
    {
        if (clock_)
            clock_->hold();
    }
    ~ClockHold()
    {
        if (clock_)
            clock_->release();
    }
    ClockHold(const ClockHold&) = delete;
    ClockHold& operator=(const ClockHold&) = delete;

private:
    VirtualClock* clock_;
};

} // namespace gravok
