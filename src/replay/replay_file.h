// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/game_speed.h"
#include "core/message.h"

namespace gravok::replay {

inline constexpr int FormatVersion = 1;

// One load of an episode file during the recorded run: what was read, or nothing when the
// file could not be read.
struct EpisodeLoad {
    int episode = 0;
    std::optional<std::string> bytes;
};

// A recorded run: what the game drew from outside at start-up, and every input after it.
// The inputs are commands of the harness, one a line: advance, key, click, down, up, input,
// input-cancel, away.
struct Replay {
    int rules = 0;
    std::uint64_t random = 0;
    std::vector<EpisodeLoad> episodes;
    std::string inputs; // whole lines, each ending in "\n"
    // The game speed it was played at, in per cent: the slowest of the run. Written only
    // below 100, so a replay at full speed reads as every older one.
    int speed = FullSpeed;
};

// The file's text: the header lines, then the inputs.
[[nodiscard]] std::string formatReplay(const Replay& replay);

// The replay in TEXT, or the reason it cannot be played: not a replay, another
// format or rules version than this program's, a damaged header, or a line that is no
// input. RULES is the version this program plays by.
[[nodiscard]] std::variant<Replay, Message> parseReplay(std::string_view text, int rules);

// Whether LINE is one of the input commands a replay may hold.
[[nodiscard]] bool isInputCommand(std::string_view line);

} // namespace gravok::replay
