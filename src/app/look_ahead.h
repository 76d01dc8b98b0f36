// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game's next tick, known before it comes: run on a copy of the game over a desktop
// that does nothing, for the picture alone. No rule reads it.
#pragma once
#include <cstdint>
#include <memory>

namespace gravok {

class FrmHaupt;
class Game;

class LookAhead {
public:
    LookAhead();
    ~LookAhead();
    LookAhead(const LookAhead&) = delete;
    LookAhead& operator=(const LookAhead&) = delete;

    // Copies REAL as it stands and runs it on to its next movement tick, every timer due
    // by then included. False when that cannot be foreseen: no movement tick is due, or
    // the tick would open a dialog, end the game, start another level or fail. REAL is only
    // read; its random source, its desktop and its files are not touched.
    bool predict(const Game& real);
    // The copy's main window after the tick that predict() ran.
    [[nodiscard]] const FrmHaupt& next() const;
    // The game time of that tick.
    [[nodiscard]] std::uint64_t tickAt() const { return tickAt_; }

private:
    struct Copy;
    std::unique_ptr<Copy> copy_;
    std::uint64_t tickAt_ = 0;
};

} // namespace gravok
