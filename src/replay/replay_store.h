// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace gravok::replay {

// How many of the most recent runs keep their replay whatever their score.
inline constexpr std::size_t KeptRecentGames = 50;
// Replays end in this; nothing else in the folder is ever removed.
inline constexpr const char* ReplayExtension = ".replay.gz";

// The folder replays go to: $XDG_DATA_HOME/gravok/replays, or ~/.local/share/gravok/replays.
[[nodiscard]] std::filesystem::path replayFolder();

// A new replay's file name, from the start's local time and the process: 20261207-013000-4711.replay.gz.
[[nodiscard]] std::string replayFileName(std::int64_t unixSeconds, long pid);

struct StoredReplay {
    std::string name;
    std::int64_t written = 0; // seconds, for the order of the runs
};

// The files to remove so that only the newest KEEP_NEWEST and those named in KEEP stay.
[[nodiscard]] std::vector<std::string> replaysToPrune(std::vector<StoredReplay> files,
                                                      const std::set<std::string>& keep,
                                                      std::size_t keepNewest = KeptRecentGames);

// Removes from FOLDER the replays replaysToPrune names, never the one being written (CURRENT).
void pruneReplays(const std::filesystem::path& folder, const std::set<std::string>& keep, const std::string& current);

} // namespace gravok::replay
