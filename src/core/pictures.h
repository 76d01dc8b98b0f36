// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>

namespace gravok {

constexpr float TwipsPerPixel = 15.0f;

struct PixelSize {
    int width;
    int height;
};

// Size of the numbered bitmap n, or nothing when the game has no picture of that number.
[[nodiscard]] std::optional<PixelSize> pictureSize(int n);

} // namespace gravok
