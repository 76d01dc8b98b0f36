// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>

#include "core/message.h"

namespace gravok {

class Game;

// Loads episode n from its file beside the program and starts its level 1. On failure
// nothing of the running game is touched and the message for the player comes back.
[[nodiscard]] std::optional<Message> EpisodeLaden(Game& game, int n);

} // namespace gravok
