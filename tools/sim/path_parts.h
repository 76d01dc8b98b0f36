// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gravok {

class Game;

// One dotted segment of a path: a name with an optional index, "imgGravok(3)".
struct PathPart {
    std::string name;
    std::optional<int> index;
};

[[nodiscard]] std::optional<std::vector<PathPart>> splitPath(std::string_view path);

// Properties of windows and controls: [FORM.]CONTROL[(INDEX)].PROPERTY or FORM.PROPERTY.
[[nodiscard]] std::optional<std::string> getProperty(Game& game, const std::vector<PathPart>& parts);
[[nodiscard]] std::string setProperty(Game& game, const std::vector<PathPart>& parts, const std::string& value);

} // namespace gravok
