// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>

#include "replay/replay_file.h"

namespace gravok {

class Game;

// The text of a replay file, or the German reason it cannot be read.
[[nodiscard]] std::variant<replay::Replay, Message> readReplayFile(const std::filesystem::path& file);

// Plays REPLAY in the harness with DIR as its program directory: the episodes come from the
// replay's header, not from DIR. AFTER_TICK, if set, sees the game after every timer tick.
// At the end the final dump goes to OUT. Returns the harness's exit status.
int playReplay(const replay::Replay& replay, const std::filesystem::path& dir, std::ostream& out, std::ostream& err,
               const std::function<void(Game&)>& afterTick = {});

// gravok-sim --replay FILE: the replay in a scratch program directory of its own.
int runReplay(const std::filesystem::path& file, const std::filesystem::path& episodeDir, std::ostream& out,
              std::ostream& err);

} // namespace gravok
