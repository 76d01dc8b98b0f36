// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>

namespace gravok {

// A player's own random stream (splitmix64), apart from the game's, so that the same seed
// replays the same run on every machine and compiler.
class Dice {
public:
    explicit Dice(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // 0 .. n - 1, for n > 0.
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
    // lo .. hi, both included.
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }
    bool oneIn(int n) { return below(n) == 0; }
    bool percent(int p) { return below(100) < p; }

private:
    std::uint64_t state_;
};

} // namespace gravok
