// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace gravok {

class Game;

// Starts the help viewer beside the program at a topic and goes on at once.
void HilfeOeffnen(Game& game, const std::string& topic);

} // namespace gravok
