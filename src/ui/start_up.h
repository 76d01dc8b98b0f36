// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <vector>

class QCoreApplication;

namespace gravok::ui {

// What `gravok --help` or `--version` prints, when the command line asks for one of them;
// nothing otherwise. Answered before the toolkit starts, so it needs no display.
[[nodiscard]] std::optional<std::string> earlyAnswer(const std::vector<std::string>& args);

// Loads Qt's own German texts (Debian's qt6-translations-l10n), so the few standard texts
// the toolkit shows match the game. False when they are not installed.
bool loadQtGerman(QCoreApplication& app);

} // namespace gravok::ui
