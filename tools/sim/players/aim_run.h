// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <filesystem>
#include <ostream>

namespace gravok {

struct AimOptions {
    std::filesystem::path episodeDir; // where Episode1..4.gvk are copied from
    std::uint64_t seed = 0;
    long ticksPerEpisode = 24000; // 20 minutes of game time
    int episode = 0;              // only this one, chosen at start-up; 0: all four in turn
    std::filesystem::path record; // where the run is written as a replay, if anywhere
};

// Plays each of the four episodes once with the aiming player and tells how far it got.
// Returns 0 when all four were completed, 1 when one was not or a rule broke (a VIOLATION
// line on OUT), 2 when the run could not be set up (a line on ERR).
int runAim(const AimOptions& options, std::ostream& out, std::ostream& err);

} // namespace gravok
