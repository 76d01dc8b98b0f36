// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/real_time_pacer.h"

namespace gravok {
namespace {

constexpr std::int64_t NsPerMs = 1'000'000;

} // namespace

void RealTimePacer::setRate(Rate rate, std::int64_t nowNs)
{
    carryNs_ = pendingNs(nowNs);
    lastNs_ = nowNs;
    rate_ = rate;
}

std::int64_t RealTimePacer::take(std::int64_t nowNs)
{
    const std::int64_t ns = pendingNs(nowNs);
    lastNs_ = nowNs;
    const std::int64_t ms = ns / NsPerMs;
    if (ms > atRate(maxStepMs_)) {
        carryNs_ = 0;
        return atRate(maxStepMs_);
    }
    if (ms <= 0) {
        carryNs_ = ns > 0 ? ns : 0;
        return 0;
    }
    carryNs_ = ns - ms * NsPerMs;
    return ms;
}

std::int64_t RealTimePacer::pendingNs(std::int64_t nowNs) const
{
    return carryNs_ + atRate(nowNs - lastNs_);
}

} // namespace gravok
