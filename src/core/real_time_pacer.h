// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Real time into game time, for whatever drives a game's clock from a real one.
#pragma once
#include <cstdint>

namespace gravok {

// Turns readings of a real-time clock into whole milliseconds of game time, at a rate of
// NUM/DEN game time per real time (a watched game runs four times as fast while asked).
// The part of a millisecond left over is carried to the next reading; a late reading (the
// window was stalled) gives at most maxStepMs at the rate, so the game does not replay a
// burst of ticks.
class RealTimePacer {
public:
    static constexpr std::int64_t DefaultMaxStepMs = 100;
    struct Rate {
        std::int64_t num = 1;
        std::int64_t den = 1;
    };

    explicit RealTimePacer(std::int64_t maxStepMs = DefaultMaxStepMs) : maxStepMs_(maxStepMs) {}

    // Forgets the time since the last reading: it passed while the game stood still.
    void restart(std::int64_t nowNs)
    {
        lastNs_ = nowNs;
        carryNs_ = 0;
    }
    // From now on; the time until now still counts at the old rate.
    void setRate(Rate rate, std::int64_t nowNs);
    // Milliseconds to advance for the time since the last reading.
    std::int64_t take(std::int64_t nowNs);
    // Game time in nanoseconds since the last whole millisecond taken.
    [[nodiscard]] std::int64_t pendingNs(std::int64_t nowNs) const;

private:
    [[nodiscard]] std::int64_t atRate(std::int64_t realNs) const { return realNs * rate_.num / rate_.den; }

    std::int64_t maxStepMs_;
    Rate rate_;
    std::int64_t lastNs_ = 0;
    std::int64_t carryNs_ = 0;
};

} // namespace gravok
