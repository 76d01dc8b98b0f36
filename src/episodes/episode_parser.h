// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "app/game_state.h"
#include "core/message.h"

namespace gravok {

// Where the bonus heart lies: in which level, and its Left and Top there.
struct HeartPlace {
    I16 level, x, y;
};

// An episode file as read: its levels and, if the file has a heart line, the heart.
struct EpisodeData {
    LevelTable levels;
    std::optional<HeartPlace> heart;
};

// Why a file could not be read: the line (counted from 1) and a sentence for the player.
struct EpisodeError {
    int line = 0;
    Message what;
};

struct EpisodeParse {
    std::optional<EpisodeData> data;
    EpisodeError error;
};

// Reads an episode file's bytes. Lines end at CR or CR LF; a lone LF is no line end.
// Pure: no file access, no game state touched, so a broken file cannot harm a game.
[[nodiscard]] EpisodeParse parseEpisode(std::string_view bytes);

} // namespace gravok
