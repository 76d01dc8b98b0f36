// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <deque>
#include <vector>

namespace gravok {

// The one source of random draws, uniform in [0, 1). Deterministic for a seed, and tests
// can queue exact values that come out before the seeded sequence resumes.
class RandomSource {
public:
    explicit RandomSource(std::uint64_t seed = 0) { reseed(seed); }

    void reseed(std::uint64_t seed);
    void queue(const std::vector<double>& values);
    [[nodiscard]] double next();
    [[nodiscard]] std::size_t queued() const { return queue_.size(); }
    // The seeded sequence's position: reseed(state()) goes on with the same draws.
    [[nodiscard]] std::uint64_t state() const { return state_; }

private:
    std::uint64_t state_ = 0;
    std::deque<double> queue_;
};

} // namespace gravok
