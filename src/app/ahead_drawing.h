// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Smooth motion drawn ahead: between two ticks each moving picture of the main window goes
// from where the model has it toward where the next tick, foretold on a copy of the game,
// will put it. No toolkit and no rule: the window asks, the game never does.
#pragma once
#include <cstdint>
#include <vector>

#include "app/frm_haupt.h"
#include "app/look_ahead.h"
#include "core/drawn_place.h"

namespace gravok {

class AheadDrawing {
public:
    explicit AheadDrawing(Game& game);

    // After every look at the model. At a movement tick each picture sets out afresh from
    // where the model has it; after an input, or another timer's tick, the next tick is
    // foretold again and each picture turns toward its new place from where it is drawn
    // at NOW_MS (game time). A picture the look moved is taken where the model has it.
    void sampled(double nowMs);
    // Nothing is drawn ahead until the next sample: every picture where the model has it.
    void stand();

    // The share of the movement interval gone at NOW_MS, 0 to 1.
    [[nodiscard]] double fraction(double nowMs) const;
    struct Drawn {
        const Control* control;
        DrawnPoint at; // field pixels
    };
    // Into OUT: every picture drawn at NOW_MS away from where the model has it.
    void drawn(double nowMs, std::vector<Drawn>& out) const;
    // Whether any picture slides in this interval.
    [[nodiscard]] bool anyMoves() const;
    // Whether the last sample foretold the next tick.
    [[nodiscard]] bool ahead() const { return ahead_; }

    // A picture as the model has it: where, and whether it moves on its own.
    [[nodiscard]] static TickPlace placeOf(const FrmHaupt::Moving& m);
    // What it is and may do in the tick from NOW to NEXT.
    [[nodiscard]] static Mover moverOf(const FrmHaupt::Moving& now, const FrmHaupt::Moving& next);

    // What --stats tells: the window counts its frames, the samples their predictions.
    struct Counts {
        std::uint64_t frames = 0;        // drawn between two ticks
        std::uint64_t framesAhead = 0;   // of them, toward a foretold next tick
        std::uint64_t foretold = 0;      // next ticks foretold
        std::uint64_t foretoldAgain = 0; // of them, again after an input or another timer
    };
    Counts counts;

private:
    struct Tracked {
        Control* control;
        Mover mover;
        TickPlace now;
        Way way;
    };
    Game& game_;
    FrmHaupt& form_;
    LookAhead look_;
    Field field_;
    std::vector<Tracked> tracked_;
    std::vector<FrmHaupt::Moving> moving_, next_; // asked at every sample, in tracked_'s order
    long long tickAt_ = -1;                       // the movement tick the pictures head for
    bool ahead_ = false;
};

} // namespace gravok
