// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "episodes/episode_parser.h"

namespace gravok::fuzz {

// An episode as the game's own files are written: CR LF, "n,X,Y,DX,DY" with n = Bild - 100,
// the heart line "0,X,Y" among its level's gravoks, a blank line after every level.
[[nodiscard]] std::string writeEpisode(const EpisodeData& episode);

// The first field in which two read episodes differ, as "level 3 slot 2 DX: 5 != 7";
// empty when they agree.
[[nodiscard]] std::string firstDifference(const EpisodeData& a, const EpisodeData& b);

} // namespace gravok::fuzz
