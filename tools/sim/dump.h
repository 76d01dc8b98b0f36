#pragma once
#include <string>

namespace gravok {
class Game;
// The whole state as one line of JSON: variables, level data, open windows and controls.
[[nodiscard]] std::string dumpJson(Game& game);
} // namespace gravok
