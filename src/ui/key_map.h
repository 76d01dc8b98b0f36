// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>

namespace gravok::ui {

// The virtual-key code the game's handlers expect for a Qt key, or nothing for a key
// the game never sees. Letters give their capital's code whatever the shift state.
[[nodiscard]] std::optional<int> virtualKey(int qtKey);

// The other way, for keys made by the gamepad: the Qt key and the text it types.
struct QtKey {
    int key;
    const char* text;
};
[[nodiscard]] std::optional<QtKey> qtKeyFor(int virtualKey);

} // namespace gravok::ui
