// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The host and the platforms: the one door into a game, and the desktop as the game sees it.
#pragma once
#include "app/game.h"
#include "ui/host/game_host.h"

namespace gravok::ui {

// A game as the window runs it: the desktop it sees (a QtPlatform, or a WatchPlatform for a
// recorded game), the game, and the one door into it. The played game and a watched one
// are made alike; only their platforms differ.
template <typename PlatformT>
struct RunningGame {
    PlatformT platform;
    Game game{platform};
    GameHost host{game};
};

} // namespace gravok::ui
