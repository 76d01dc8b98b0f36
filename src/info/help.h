// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <string_view>

namespace gravok {

class Game;

// Starts the help viewer beside the program at a topic and goes on at once.
void HilfeOeffnen(Game& game, const std::string& topic);

// A topic's stable name, by which a help file in another language finds it ("Neues
// Spiel" is "new-game"); empty for a topic the game never asks for.
[[nodiscard]] std::string_view helpTopicId(std::string_view topic);

} // namespace gravok
