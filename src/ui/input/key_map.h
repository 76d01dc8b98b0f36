// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>

#include <QString>

namespace gravok::ui {

// The one table between Qt's keys and the virtual-key codes that name a physical key for
// the game and its bindings, both ways. Letters give their capital's code whatever the
// shift state.
[[nodiscard]] std::optional<int> virtualKey(int qtKey);

// The other way, for keys made by the gamepad: the Qt key and the text it types.
struct QtKey {
    int key;
    QString text;
};
[[nodiscard]] std::optional<QtKey> qtKeyFor(int virtualKey);

// The key's name for the player ("Leertaste", "Strg", "F4", "A").
[[nodiscard]] QString keyName(int virtualKey);

} // namespace gravok::ui
