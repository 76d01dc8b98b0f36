// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace gravok {
class Game;
// The whole state as one line of JSON: variables, level data, open windows and controls.
[[nodiscard]] std::string dumpJson(Game& game);
} // namespace gravok
