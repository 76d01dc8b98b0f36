// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "info/help.h"

#include "app/game.h"

namespace gravok {

void HilfeOeffnen(Game& game, const std::string& topic)
{
    const auto dir = game.platform.programDir();
    const std::string viewer = (dir / "zedezora").string();
    if (!game.platform.startProgram(viewer, game.platform.gameFile("Gravok.quh").string() + ", " + topic))
        // A notice that does not block: a running game is not left going on behind a box.
        game.platform.notify("Die Hilfe kann nicht angezeigt werden: " + viewer + " lässt sich nicht starten.");
}

} // namespace gravok
