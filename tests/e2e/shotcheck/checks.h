// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <QImage>
#include <QRect>

#include "core/form.h"
#include "screen_map.h"

namespace gravok::shotcheck {

// One finding: what was checked, whether it held, and what was seen.
struct Finding {
    std::string check;
    bool ok;
    std::string detail;
};

// What the checks are given: the screenshot, where the windows are on it, and where the
// program's files and the artwork are.
struct ShotInput {
    QImage shot;
    QRect mainWindow;                 // client area of the game window on the screen
    std::filesystem::path programDir; // the copy the game runs from
    std::filesystem::path artDir;     // build/art: <n>.png per bitmap number
    int episode = 1;                  // chosen on the start-up dialog
    std::vector<std::string> keys;    // keys pressed after the start (flying)
    int maxTicks = 60;                // ticks that may have passed before the shot
    std::filesystem::path replay;     // the recorded run the window shows (check replay)
    std::optional<std::string> words; // what lblAnzeige must show whole (the end of a game)
    std::string name;                 // typed into the name box so far
};

// Runs the named check; every finding is returned, failed or not. Unknown names give a
// single failed finding.
[[nodiscard]] std::vector<Finding> runCheck(const std::string& name, const ShotInput& in);

// The names runCheck knows, for the usage text.
[[nodiscard]] std::vector<std::string> checkNames();

} // namespace gravok::shotcheck
