// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "temp_dir.h"

namespace gravok {

// A program directory of a player's own in the temporary folder, holding copies of the
// four episode files, with XDG_DATA_HOME pointed into it as well: a long run writes its
// high-score entries there and never into the user's files. Both are undone at the end.
class ScratchDir {
public:
    // Throws std::runtime_error naming the file when an episode cannot be copied.
    explicit ScratchDir(const std::filesystem::path& episodeSource);
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    [[nodiscard]] const std::filesystem::path& programDir() const { return program_; }
    [[nodiscard]] const std::filesystem::path& dataHome() const { return data_; }

    // Lines of the high-score lists in both places a game may write, blank ones included:
    // after every finished game there must be exactly one more.
    [[nodiscard]] long listLines() const;

private:
    TempDir root_;
    std::filesystem::path program_;
    std::filesystem::path data_;
    std::optional<std::string> savedDataHome_;
};

// A scratch directory for a player's games, or nullptr after saying on err why not.
std::unique_ptr<ScratchDir> openScratchDir(const std::filesystem::path& episodeSource, std::ostream& err);

} // namespace gravok
