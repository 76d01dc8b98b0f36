// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game speed an assist may slow the window's game to. The rules know nothing of it:
// their time is the same at every speed, only real time passes faster beside it.
#pragma once

namespace gravok {

// In per cent of real time: 50, 60, … 100.
inline constexpr int FullSpeed = 100;
inline constexpr int SlowestSpeed = 50;
inline constexpr int SpeedStep = 10;

[[nodiscard]] constexpr bool isGameSpeed(int percent)
{
    return percent >= SlowestSpeed && percent <= FullSpeed && (percent - SlowestSpeed) % SpeedStep == 0;
}

} // namespace gravok
