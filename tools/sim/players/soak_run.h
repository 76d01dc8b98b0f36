// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <filesystem>
#include <ostream>

namespace gravok {

struct SoakOptions {
    std::filesystem::path episodeDir; // where Episode1..4.gvk are copied from
    std::uint64_t seed = 0;
    long games = 0;
    std::filesystem::path record; // where the run is written as a replay, if anywhere
};

// Plays OPTIONS.games whole games with the restless player and checks the game after every
// tick. Returns 0, 1 after a broken rule (one VIOLATION line on OUT) or 2 when the run
// could not be set up (a line on ERR).
int runSoak(const SoakOptions& options, std::ostream& out, std::ostream& err);

} // namespace gravok
