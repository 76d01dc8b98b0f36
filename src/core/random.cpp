// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "random.h"

namespace gravok {

void RandomSource::reseed(std::uint64_t seed)
{
    state_ = seed;
}

void RandomSource::queue(const std::vector<double>& values)
{
    queue_.insert(queue_.end(), values.begin(), values.end());
}

double RandomSource::next()
{
    if (!queue_.empty()) {
        const double v = queue_.front();
        queue_.pop_front();
        return v;
    }
    // splitmix64: small, fast, and the same sequence on every machine.
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) * 0x1.0p-53;
}

} // namespace gravok
