// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <unordered_map>

#include <QCursor>
#include <QPixmap>

namespace gravok::ui {

// The game's numbered bitmaps and its hand pointer, loaded from the compiled-in
// resources once and kept for the run. Each bitmap comes drawn at 1x to 4x
// (:/art/<n>.png, :/art/<n>@2x.png ...); a picture for any other scale is filtered
// down from the nearest set at or above it and kept while that scale lasts.
class PictureCache {
public:
    // Bitmap n from :/art/<n>.png, or a marked placeholder of its size when the
    // program was built without it.
    const QPixmap& picture(int n);
    // Bitmap n as large as it shows at this many device pixels per form pixel:
    // its size times the scale, rounded to whole pixels.
    const QPixmap& picture(int n, double deviceScale);
    // The art set drawn for a scale: the nearest at or above it, 4 at most.
    [[nodiscard]] static int artSet(double deviceScale);
    // The pointing hand shown over links, with its fingertip as the hotspot.
    const QCursor& handCursor();

private:
    std::unordered_map<int, QPixmap> pictures_;
    double scaledFor_ = 0;
    std::unordered_map<int, QPixmap> scaled_;
    std::optional<QCursor> hand_;
};

} // namespace gravok::ui
