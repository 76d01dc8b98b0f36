// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include <QFont>
#include <QString>

#include "core/control.h"

namespace gravok::ui {

// The free face we draw for a face the layout names: metric-compatible stand-ins for the
// classic Windows faces; "" is the standard dialog font.
[[nodiscard]] QString fontFamily(const std::string& face);

// The font for a model font at a scale. Sizes go by pixels (1 pt = 4/3 px at 15 twips per
// pixel), so the layout does not depend on the screen's dots per inch.
[[nodiscard]] QFont qtFont(const Font& font, double scale = 1.0);

} // namespace gravok::ui
