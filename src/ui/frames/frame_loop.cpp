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

FrameLoop::FrameLoop(FormView& view, GameHost& host, std::function<double()> now, std::function<bool()> alsoStanding,
                     QObject* parent)
    : QObject(parent),
      view_(view),
      host_(host),
      form_(host.game().frmHaupt()),
      clock_(host.game().clock),
      now_(std::move(now)),
      alsoStanding_(std::move(alsoStanding)),
      drawing_(host.game()),
      pacer_(framePacer(*view.window(), [this] { frame(); }))
{
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

// After every look at the model: a tick, an input, a new game.
void FrameLoop::sampled()
{
    if (!smooth_ || standing()) {
        drawing_.stand();
        stop();
        return;
    }
    drawing_.sampled(now_());
    if (drawing_.anyMoves())
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

// The picture comes to rest where the model has it.
void FrameLoop::stop()
{
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
    drawing_.drawn(now_(), drawn_);
    const QPointF origin(controlBox(*form_.fraHintergrund).topLeft());
    DrawnPlaces places;
    for (const AheadDrawing::Drawn& d : drawn_) {
        const QPointF at = origin + QPointF(d.at.x, d.at.y);
        if (at != QPointF(controlBox(*d.control).topLeft()))
            places.emplace(d.control, at);
    }
    ++drawing_.counts.frames;
    drawing_.counts.framesAhead += drawing_.ahead() ? 1 : 0;
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
