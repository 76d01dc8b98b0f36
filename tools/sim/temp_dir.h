// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <filesystem>
#include <string>

namespace gravok {

// A fresh directory of its own for a test, a benchmark or a headless player, removed with
// all it holds at the end. It lies in memory-backed /dev/shm unless TMPDIR names another
// place: the game syncs the high-score list for every entry, which on a disk would take
// most of a long run's time.
class TempDir {
public:
    // The name starts with prefix; throws std::runtime_error when no directory can be made.
    explicit TempDir(const std::string& prefix);
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    [[nodiscard]] const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

} // namespace gravok
