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
    // In the order their entries count as file order: the program's own list first.
    std::vector<std::filesystem::path> read;
    // Where entries are appended: beside the program if that can be written, else the user's.
    std::filesystem::path home;
    // Why the program's directory cannot be written, when it cannot.
    std::optional<FileProblem> programProblem;
};

[[nodiscard]] ListPlaces findPlaces(const std::filesystem::path& programDir, const std::filesystem::path& userDir);

// Appends a line at home, creating the user's directory on demand. Every place that failed
// is returned; empty when the line was written.
// LINE_NUMBER, if given, gets the entry's line number in places.home's list.
[[nodiscard]] std::vector<FileProblem> appendEntry(const ListPlaces& places, std::string_view line,
                                                   std::size_t* lineNumber = nullptr);

} // namespace gravok
