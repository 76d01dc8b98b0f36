// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/letterbox.h"

#include <algorithm>
#include <cmath>

namespace gravok::ui {

Letterbox centredLetterbox(QSizeF area, QSizeF content, double scale)
{
    // Whole-pixel bars keep the form's pixel grid on the screen's.
    const QPointF origin(std::floor((area.width() - content.width() * scale) / 2),
                         std::floor((area.height() - content.height() * scale) / 2));
    return {scale, origin};
}

Letterbox fitLetterbox(QSizeF area, QSizeF content)
{
    if (content.isEmpty() || area.isEmpty())
        return {};
    double scale = std::min(area.width() / content.width(), area.height() / content.height());
    if (scale >= 1.0)
        scale = std::floor(scale);
    return centredLetterbox(area, content, scale);
}

} // namespace gravok::ui
