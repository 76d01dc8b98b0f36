// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace gravok {

class Game;

// Reads and writes the game's variables and the windows' properties by the names the game
// uses: "Tempo", "SchussRichtung(3)", "LevelDaten(2).Gravok(5).DX", "imgGravok(3).Top",
// "frmNeu.opt2.Value", "frmHaupt.Tag". Values are text in the harness's formats.
class StatePaths {
public:
    explicit StatePaths(Game& game) : game_(game) {}

    // The value, or nothing when the path names nothing.
    [[nodiscard]] std::optional<std::string> get(std::string_view path);
    // An empty text on success, else what is wrong.
    [[nodiscard]] std::string set(std::string_view path, const std::string& value);

private:
    Game& game_;
};

// True/False/-1/0 as the harness accepts them for a Boolean.
[[nodiscard]] std::optional<bool> parseBool(std::string_view text);
[[nodiscard]] const char* boolText(bool b);

} // namespace gravok
