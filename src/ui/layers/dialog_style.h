// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's own dialogs (the name box, the settings) in the look of the game's: a black
// box with a white border, MS Sans Serif, the chosen line or the pressed button in light blue.
// The game's own light blue is #0000FF, 2.4 : 1 on black and hard to read in a list; ours
// is lighter, 6.5 : 1, so every text of a layer stands out by the 4.5 : 1 legibility asks.
#pragma once
#include "core/form.h"

namespace gravok::ui::dialog {

inline const Font BoxFont{"MS Sans Serif", 9.75f};
inline const Font TitleFont{"MS Sans Serif", 9.75f, true};
inline const Font HintFont{"MS Sans Serif", 8.25f};
inline constexpr Color ChosenBlue = 0x8080FF;

// The text of a line or a button: chosen (or pressed) or not.
[[nodiscard]] constexpr Color textColour(bool chosen)
{
    return chosen ? ChosenBlue : palette::White;
}

// The white border round the whole form, added as its first control.
inline Control* addBorder(Form& form)
{
    return &form.add(
        makeShape("ShapeRand", ShapeKind::Rectangle, 0, 0, form.Width + 15, form.Height + 15, palette::White, 10));
}

} // namespace gravok::ui::dialog
