// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/key_map.h"

#include <Qt>

namespace gravok::ui {

std::optional<int> virtualKey(int qtKey)
{
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12)
        return 112 + (qtKey - Qt::Key_F1);
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return 65 + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return 48 + (qtKey - Qt::Key_0);
    switch (qtKey) {
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Escape:
        return 27;
    default:
        return std::nullopt;
    }
}

} // namespace gravok::ui

namespace gravok::ui {

std::optional<QtKey> qtKeyFor(int virtualKey)
{
    switch (virtualKey) {
    case 13:
        return QtKey{Qt::Key_Return, "\r"};
    case 27:
        return QtKey{Qt::Key_Escape, "\x1b"};
    case 32:
        return QtKey{Qt::Key_Space, " "};
    case 37:
        return QtKey{Qt::Key_Left, ""};
    case 38:
        return QtKey{Qt::Key_Up, ""};
    case 39:
        return QtKey{Qt::Key_Right, ""};
    case 40:
        return QtKey{Qt::Key_Down, ""};
    case 80:
        return QtKey{Qt::Key_P, "p"};
    case 112:
    case 113:
    case 115:
        return QtKey{Qt::Key_F1 + (virtualKey - 112), ""};
    default:
        return std::nullopt;
    }
}

} // namespace gravok::ui
