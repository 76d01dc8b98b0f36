// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace gravok {

// Raised whenever a change makes the same inputs play differently: a recorded game of an
// older version would no longer reach the same end, so replays name the version they need.
inline constexpr int RulesVersion = 1;

} // namespace gravok
