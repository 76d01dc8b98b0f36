// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/message.h"

namespace gravok {

inline constexpr const char* ListName = "Punkte.lst";
inline constexpr const char* TempName = "Punkte.tmp";
// Locked instead of the list itself, because converting replaces the list's file.
inline constexpr const char* LockName = "Punkte.lock";

// Larger lists are refused unread: no list a game wrote comes near them.
inline constexpr std::size_t MaxListBytes = std::size_t{64} * 1024 * 1024;
inline constexpr std::size_t MaxListLines = 1'000'000;

// How long a writer waits for another game's lock, and a reader for a writer's.
inline constexpr std::chrono::milliseconds WriteLockWait{2000};
inline constexpr std::chrono::milliseconds ReadLockWait{1000};

// A file that could not be read or written, and why, in the player's words.
struct FileProblem {
    std::filesystem::path path;
    Message reason;
    int error = 0; // the errno behind it; EWOULDBLOCK when another game held the lock
};

[[nodiscard]] FileProblem problemOf(const std::filesystem::path& path, int error);

struct ListLines {
    std::vector<std::string> lines; // without line ends; blank lines are no entries
    std::optional<FileProblem> problem;
    bool lockBusy = false; // read without the lock, which another game held too long
};

// The lines of the list in DIR. A missing list is an empty one. Lines end at CR, CR LF or LF.
// A symbolic link as the list is refused, as appendLine and rewriteList refuse it.
[[nodiscard]] ListLines readList(const std::filesystem::path& dir, std::chrono::milliseconds lockWait = ReadLockWait);

// Nothing if the list in DIR can take new lines, else what stands in the way.
[[nodiscard]] std::optional<FileProblem> checkWritable(const std::filesystem::path& dir);

// What an append did besides succeeding or failing.
struct AppendInfo {
    std::uint64_t offset = 0; // where the new line starts in the file
    std::size_t line = 0;     // the new line's number (from 0, as readList counts), taken under the lock
};

// Appends one line to the list in DIR, creating the file, safe against a second game
// appending at the same time and against a crash: the line is written whole or not at all
// as far as later lines are concerned, and it is on disk when this returns. A write that
// fails (full disk, size limit) cuts the file back to what it was.
[[nodiscard]] std::optional<FileProblem> appendLine(const std::filesystem::path& dir, std::string_view line,
                                                    AppendInfo* info = nullptr);

// For a lock another game holds for long: a process of its own waits for the lock (an hour
// at most) and then appends LINE as appendLine does, so the window does not wait and the
// entry is not lost when the game ends first. False when that process could not be started.
[[nodiscard]] bool appendWhenFree(const std::filesystem::path& dir, std::string_view line);

// Gives the list's current lines to CHANGE; if it returns new lines, they replace the list
// through a new Punkte.tmp and a rename, so a crash leaves the old list or the new one, whole.
using ListChange = std::function<std::optional<std::vector<std::string>>(const std::vector<std::string>&)>;
[[nodiscard]] std::optional<FileProblem> rewriteList(const std::filesystem::path& dir, const ListChange& change);

} // namespace gravok
