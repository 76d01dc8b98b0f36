// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gravok {

inline constexpr const char* ListName = "Punkte.lst";
inline constexpr const char* TempName = "Punkte.tmp";
// Locked instead of the list itself, because converting replaces the list's file.
inline constexpr const char* LockName = "Punkte.lock";

// A file that could not be read or written, and why, in the player's words.
struct FileProblem {
    std::filesystem::path path;
    std::string reason;
};

// Why a file operation failed, in German.
[[nodiscard]] std::string reasonText(int error);
[[nodiscard]] FileProblem problemOf(const std::filesystem::path& path, int error);

struct ListLines {
    std::vector<std::string> lines; // without line ends; blank lines are no entries
    std::optional<FileProblem> problem;
};

// The lines of the list in DIR. A missing list is an empty one.
[[nodiscard]] ListLines readList(const std::filesystem::path& dir);

// Nothing if the list in DIR can take new lines, else what stands in the way.
[[nodiscard]] std::optional<FileProblem> checkWritable(const std::filesystem::path& dir);

// Appends one line to the list in DIR, creating the file, safe against a second game
// appending at the same time and against a crash: the line is written whole or not at all
// as far as later lines are concerned, and it is on disk when this returns.
// LINE_NUMBER, if given, gets the new line's number (from 0, as readList counts), taken
// under the lock.
[[nodiscard]] std::optional<FileProblem> appendLine(const std::filesystem::path& dir, std::string_view line,
                                                   std::size_t* lineNumber = nullptr);

// Gives the list's current lines to CHANGE; if it returns new lines, they replace the list
// through Punkte.tmp and a rename, so a crash leaves the old list or the new one, whole.
using ListChange = std::function<std::optional<std::vector<std::string>>(const std::vector<std::string>&)>;
[[nodiscard]] std::optional<FileProblem> rewriteList(const std::filesystem::path& dir, const ListChange& change);

} // namespace gravok
