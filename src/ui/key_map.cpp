// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/key_map.h"

#include <Qt>

#include "core/form.h"

namespace gravok::ui {

std::optional<int> virtualKey(int qtKey)
{
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12)
        return key::F1 + (qtKey - Qt::Key_F1);
    // Letters and digits have the code of their character (key::P is 'P').
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return 'A' + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return '0' + (qtKey - Qt::Key_0);
    switch (qtKey) {
    case Qt::Key_Left: return key::Left;
    case Qt::Key_Up: return key::Up;
    case Qt::Key_Right: return key::Right;
    case Qt::Key_Down: return key::Down;
    case Qt::Key_Space: return key::Space;
    case Qt::Key_Return:
    case Qt::Key_Enter: return key::Enter;
    case Qt::Key_Escape: return key::Escape;
    default: return std::nullopt;
    }
}

} // namespace gravok::ui

namespace gravok::ui {

std::optional<QtKey> qtKeyFor(int virtualKey)
{
    switch (virtualKey) {
    case 13: return QtKey{Qt::Key_Return, "\r"};
    case 27: return QtKey{Qt::Key_Escape, "\x1b"};
    case 32: return QtKey{Qt::Key_Space, " "};
    case 37: return QtKey{Qt::Key_Left, ""};
    case 38: return QtKey{Qt::Key_Up, ""};
    case 39: return QtKey{Qt::Key_Right, ""};
    case 40: return QtKey{Qt::Key_Down, ""};
    case 80: return QtKey{Qt::Key_P, "p"};
    case 112:
    case 113:
    case 115: return QtKey{Qt::Key_F1 + (virtualKey - 112), ""};
    default: return std::nullopt;
    }
}

} // namespace gravok::ui
