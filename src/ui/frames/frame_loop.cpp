// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frames/frame_loop.h"

#include <algorithm>
#include <cmath>

#include <QScreen>
#include <QWidget>
#include <QWindow>

#include "app/frm_haupt.h"
#include "app/game.h"
#include "core/clock.h"
#include "ui/frames/frame_pacer.h"
#include "ui/host/game_host.h"
#include "ui/view/form_layout.h"
#include "ui/view/form_view.h"

namespace gravok::ui {
namespace {

// A picture at a tick as the model has it: where, and whether it moves on its own.
TickPlace placeOf(const FrmHaupt::Moving& m)
{
    return {m.control->Left, m.control->Top, shown(*m.control) && m.onItsOwn};
}

} // namespace

FrameLoop::FrameLoop(FormView& view, GameHost& host, std::function<double()> now, std::function<bool()> alsoStanding,
                     QObject* parent)
    : QObject(parent),
      view_(view),
      host_(host),
      form_(host.game().frmHaupt()),
      clock_(host.game().clock),
      now_(std::move(now)),
      alsoStanding_(std::move(alsoStanding)),
      field_{form_.fraHintergrund->Width, form_.fraHintergrund->Height},
      seenTicks_(clock_.ticksRun()),
      pacer_(framePacer(*view.window(), [this] { frame(); }))
{
    form_.movingPictures(moving_);
    for (const FrmHaupt::Moving& m : moving_) {
        const TickPlace at = placeOf(m);
        tracked_.push_back({m.control, Mover{m.control->Width, m.control->Height, m.largestStep, m.wraps}, at, at});
    }
    view_.afterSync = [this] { sampled(); };
}

FrameLoop::~FrameLoop()
{
    view_.afterSync = nullptr;
}

void FrameLoop::setSmooth(bool on)
{
    smooth_ = on;
    sampled();
}

double FrameLoop::refreshHz() const
{
    bool forced = false;
    double hz = qEnvironmentVariable("GRAVOK_REFRESH_HZ").toDouble(&forced);
    if (!forced || !(hz > 0)) {
        const QScreen* screen = view_.screen();
        hz = screen ? screen->refreshRate() : 0;
    }
    if (!std::isfinite(hz) || hz < 1)
        hz = DefaultHz;
    return std::min(hz, MostHz);
}

bool FrameLoop::standing() const
{
    return form_.Pausiert != 0 || host_.topLayer() || clock_.held() || (alsoStanding_ && alsoStanding_());
}

bool FrameLoop::anyMoves() const
{
    return std::any_of(tracked_.begin(), tracked_.end(),
                       [](const Tracked& t) { return t.from.left != t.to.left || t.from.top != t.to.top; });
}

// After every look at the model: a tick moves each picture on from where the last one
// left it; a place changed between ticks (a new game, say) is taken at once.
void FrameLoop::sampled()
{
    const bool ticked = clock_.ticksRun() != seenTicks_;
    seenTicks_ = clock_.ticksRun();
    form_.movingPictures(moving_);
    for (std::size_t i = 0; i < tracked_.size(); ++i) {
        Tracked& t = tracked_[i];
        t.mover.largestStep = moving_[i].largestStep; // a gravok's follows the level's drift
        const TickPlace now = placeOf(moving_[i]);
        if (ticked)
            t.from = t.to;
        else if (now.left != t.to.left || now.top != t.to.top || now.flying != t.to.flying)
            t.from = now;
        t.to = now;
    }
    if (smooth_ && !standing() && anyMoves())
        start();
    else
        stop();
}

void FrameLoop::start()
{
    if (running_)
        return;
    running_ = true;
    view_.holdPaints(true);
    if (QWindow* w = view_.window()->windowHandle())
        connect(w, &QWindow::screenChanged, this, &FrameLoop::followScreen, Qt::UniqueConnection);
    pacer_->start(periodNs());
}

// The picture comes to rest where the model has it, and moves on from there.
void FrameLoop::stop()
{
    for (Tracked& t : tracked_)
        t.from = t.to;
    if (!running_)
        return;
    running_ = false;
    pacer_->stop();
    view_.setDrawn({});
    view_.holdPaints(false);
}

void FrameLoop::frame()
{
    if (!running_)
        return;
    const double tickMs = form_.movementTickMs();
    const double fraction = std::clamp((now_() - static_cast<double>(clock_.lastTickAt())) / tickMs, 0.0, 1.0);
    const QPointF origin(controlBox(*form_.fraHintergrund).topLeft());
    DrawnPlaces places;
    for (const Tracked& t : tracked_) {
        if (t.from.left == t.to.left && t.from.top == t.to.top)
            continue;
        const DrawnPoint p = drawnPlace(t.from, t.to, t.mover, field_, fraction);
        const QPointF at = origin + QPointF(p.x, p.y);
        if (at != QPointF(controlBox(*t.control).topLeft()))
            places.emplace(t.control, at);
    }
    view_.setDrawn(std::move(places));
    view_.paintHeld();
    pacer_->next();
}

std::int64_t FrameLoop::periodNs() const
{
    return static_cast<std::int64_t>(1e9 / refreshHz());
}

void FrameLoop::followScreen()
{
    pacer_->setPeriod(periodNs());
}

} // namespace gravok::ui
