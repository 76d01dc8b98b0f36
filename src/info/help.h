#pragma once
#include <string>

namespace gravok {

class Game;

// Starts the help viewer beside the program at a topic and goes on at once.
void HilfeOeffnen(Game& game, const std::string& topic);

} // namespace gravok
