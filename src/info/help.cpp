// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "info/help.h"

#include "app/game.h"

namespace gravok {

std::string_view helpTopicId(std::string_view topic)
{
    struct Topic {
        std::string_view name, id;
    };
    static constexpr Topic Topics[] = {
        {"Inhalt", "contents"}, {"Haupt - Menü", "main"},      {"Neues Spiel", "new-game"}, {"Highscore", "highscore"},
        {"Info", "info"},       {"Einstellungen", "settings"}, {"Gamepad", "gamepad"},      {"Spielregeln", "rules"}};
    for (const Topic& t : Topics)
        if (t.name == topic)
            return t.id;
    return {};
}

void HilfeOeffnen(Game& game, const std::string& topic)
{
    const auto dir = game.platform.programDir();
    const std::string viewer = (dir / "zedezora").string();
    if (!game.platform.startProgram(viewer, game.platform.gameFile("Gravok.quh").string() + ", " + topic))
        // A notice that does not block: a running game is not left going on behind a box.
        game.platform.notify(
            {GRAVOK_TEXT("Meldungen", "Die Hilfe kann nicht angezeigt werden: %1 lässt sich nicht starten."),
             {Message::literal(viewer)}});
}

} // namespace gravok
