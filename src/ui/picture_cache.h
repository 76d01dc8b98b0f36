// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <unordered_map>

#include <QCursor>
#include <QPixmap>

namespace gravok::ui {

// The game's numbered bitmaps and its hand pointer, loaded from the compiled-in
// resources once and kept for the run.
class PictureCache {
public:
    // Bitmap n from :/art/<n>.png, or a marked placeholder of its size when the
    // program was built without it.
    const QPixmap& picture(int n);
    // The pointing hand shown over links, with its fingertip as the hotspot.
    const QCursor& handCursor();

private:
    std::unordered_map<int, QPixmap> pictures_;
    std::optional<QCursor> hand_;
};

} // namespace gravok::ui
