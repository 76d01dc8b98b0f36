// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ahead_drawing.h"

#include <algorithm>

#include "app/game.h"

namespace gravok {

AheadDrawing::AheadDrawing(Game& game)
    : game_(game), form_(game.frmHaupt()), field_{form_.fraHintergrund->Width, form_.fraHintergrund->Height}
{
    form_.movingPictures(moving_);
    for (const FrmHaupt::Moving& m : moving_)
        tracked_.push_back({m.control, {}, {}, {}}); // stand() fills in the rest
    stand();
}

TickPlace AheadDrawing::placeOf(const FrmHaupt::Moving& m)
{
    return {m.control->Left, m.control->Top, shown(*m.control) && m.onItsOwn};
}

// A picture takes the size of its picture, which changes at a tick; a gravok's step follows
// the level's drift, which a bounce in the tick may hand from one gravok to another: the
// larger of the two.
Mover AheadDrawing::moverOf(const FrmHaupt::Moving& now, const FrmHaupt::Moving& next)
{
    return {now.control->Width, now.control->Height, std::max(now.largestStep, next.largestStep), now.wraps};
}

void AheadDrawing::stand()
{
    form_.movingPictures(moving_);
    for (std::size_t i = 0; i < tracked_.size(); ++i) {
        Tracked& t = tracked_[i];
        t.mover = moverOf(moving_[i], moving_[i]);
        t.now = placeOf(moving_[i]);
        t.way = wayAhead(t.now, t.now, t.mover, field_);
    }
    tickAt_ = -1;
    ahead_ = false;
}

void AheadDrawing::sampled(double nowMs)
{
    const long long due = game_.clock.nextTickOf(*form_.tmeBewegung);
    const bool fresh = tickAt_ < 0 || due != tickAt_;
    const double f = fresh ? 0 : fraction(nowMs);
    tickAt_ = due;
    ahead_ = look_.predict(game_);
    if (ahead_) {
        look_.next().movingPictures(next_);
        ++counts.foretold;
        counts.foretoldAgain += fresh ? 0 : 1;
    }
    form_.movingPictures(moving_);
    for (std::size_t i = 0; i < tracked_.size(); ++i) {
        Tracked& t = tracked_[i];
        t.mover = moverOf(moving_[i], ahead_ ? next_[i] : moving_[i]);
        const TickPlace now = placeOf(moving_[i]);
        const TickPlace next = ahead_ ? placeOf(next_[i]) : now;
        if (fresh)
            t.way = wayAhead(now, next, t.mover, field_);
        else
            t.way = reaimed(now != t.now ? wayAhead(now, now, t.mover, field_) : t.way, f, now, next, t.mover, field_);
        t.now = now;
    }
}

double AheadDrawing::fraction(double nowMs) const
{
    if (tickAt_ < 0)
        return 1;
    const double interval = form_.movementTickMs();
    return std::clamp((nowMs - static_cast<double>(tickAt_) + interval) / interval, 0.0, 1.0);
}

void AheadDrawing::drawn(double nowMs, std::vector<Drawn>& out) const
{
    out.clear();
    const double f = fraction(nowMs);
    for (const Tracked& t : tracked_)
        if (t.way.slides || t.way.startFraction > 0)
            out.push_back({t.control, drawnOn(t.way, f)});
}

bool AheadDrawing::anyMoves() const
{
    return std::any_of(tracked_.begin(), tracked_.end(),
                       [](const Tracked& t) { return t.way.slides && !(t.way.start == t.way.end); });
}

} // namespace gravok
