// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <filesystem>
#include <optional>
#include <vector>

#include "scores/list_file.h"

namespace gravok {

// The per-user place for the list of an installed copy: $XDG_DATA_HOME/gravok, by default
// ~/.local/share/gravok. Empty when neither variable gives an absolute directory.
[[nodiscard]] std::filesystem::path userDataDir();

// Where the list is read from and where new entries go.
struct ListPlaces {
    // In the order their entries count as file order: the program's own list first, then
    // the user's, wherever entries were written before.
    std::vector<std::filesystem::path> read;
    // Where entries are appended: beside the program if that can be written, else the user's.
    std::filesystem::path home;
    // The user's directory, where an entry goes when home fails; empty when there is none.
    std::filesystem::path user;
    // Why the program's directory cannot be written, when it cannot.
    std::optional<FileProblem> programProblem;
};

// An installed game never writes beside the program, not even as root: its list is the user's.
[[nodiscard]] ListPlaces findPlaces(const std::filesystem::path& programDir, const std::filesystem::path& userDir,
                                    bool installed = false);

// Where an entry went.
struct EntryResult {
    std::vector<FileProblem> problems; // every place that failed, in the order they were tried
    std::filesystem::path writtenTo;   // the directory whose list took the entry; empty: none
    std::filesystem::path pending;     // else the directory whose list takes it once its lock is free
    std::size_t line = 0;              // the entry's line number in writtenTo's list
};

// Appends a line at home; when that fails (a lock held too long, a full disk) the line goes
// to the user's list instead, created on demand, so no entry is dropped while one place works.
// When the last place tried failed only because another game held its lock, the line is
// written there as soon as the lock is free.
[[nodiscard]] EntryResult appendEntry(const ListPlaces& places, std::string_view line);

} // namespace gravok
