// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/game_speed.h"
#include "scores/score_list.h"

namespace gravok::replay {

// How many of the best entries of each list keep their replay.
inline constexpr std::size_t KeptBestEntries = 10;
inline constexpr const char* LinksName = "links.txt";

// A high-score entry and the game behind it: the list's file and the entry's line number
// (from 0), the replay file's name in the replay folder and the game's number in that run.
struct ReplayLink {
    std::filesystem::path list;
    std::size_t line = 0;
    std::string replay;
    int game = 1;
    int speed = FullSpeed; // the slowest game speed of that game, in per cent
    bool operator==(const ReplayLink&) const = default;
};

// One line a link, appended to FOLDER/links.txt (never through a link; past its limit the file
// is compacted to the links whose replays are kept); the German reason on failure.
[[nodiscard]] std::optional<std::string> appendLink(const std::filesystem::path& folder, const ReplayLink& link);
// Every well-formed link of FOLDER/links.txt, oldest first, the lists' paths made plain.
[[nodiscard]] std::vector<ReplayLink> readLinks(const std::filesystem::path& folder);

// The replays behind the KEEP best entries of each list the links name, best as the list
// shows them: highest score first.
[[nodiscard]] std::set<std::string> bestReplays(const std::vector<ReplayLink>& links,
                                                std::size_t keep = KeptBestEntries);

// The link of each shown row, by the row's place; nothing for a row whose game was not
// recorded; the newest link of a line wins. LINKS come plain from readLinks; the rows'
// paths are made plain here.
[[nodiscard]] std::vector<std::optional<ReplayLink>> rowLinks(const std::vector<ReplayLink>& links,
                                                              const std::vector<EntryPlace>& rows);

} // namespace gravok::replay
