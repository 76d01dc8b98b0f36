// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/view/fonts.h"

#include <algorithm>
#include <cmath>

namespace gravok::ui {

QString fontFamily(const std::string& face)
{
    if (face.empty() || face == "Arial" || face == "MS Sans Serif")
        return QStringLiteral("Liberation Sans");
    // Nimbus Mono PS has Courier's metrics and its plain zero (Liberation Mono dots it).
    if (face == "Courier New" || face == "Courier")
        return QStringLiteral("Nimbus Mono PS");
    return QString::fromStdString(face);
}

QFont qtFont(const Font& font, double scale)
{
    QFont f(fontFamily(font.face));
    const double pixels = static_cast<double>(font.points) * 4.0 / 3.0 * scale;
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    // Fixed faces must not fall back to a proportional one if the family is missing.
    if (fontFamily(font.face) == QLatin1String("Nimbus Mono PS"))
        f.setStyleHint(QFont::Monospace);
    else
        f.setStyleHint(QFont::SansSerif);
    return f;
}

} // namespace gravok::ui
