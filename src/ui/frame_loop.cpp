// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frame_loop.h"

#include <algorithm>
#include <cmath>

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include "app/frm_haupt.h"
#include "app/game.h"
#include "core/clock.h"
#include "ui/form_layout.h"
#include "ui/form_view.h"
#include "ui/game_host.h"
#include "ui/window_settings.h"

namespace gravok::ui {
namespace {

// The tick of the moving timers.
constexpr double TickMs = 50;
// Twips in one tick at most, on either axis: the shuttle at full speed, a shot.
constexpr float ShuttleStep = 200, ShotStep = 300;

// A gravok drifts at most the level's largest DX or DY in one tick; the episode says how
// far, and a bounce only hands one gravok's drift to another.
float levelDrift(const StartModule& s)
{
    float most = 0;
    if (s.Level >= 1 && s.Level <= s.LevelDaten.count()) {
        const LevelSatz& level = s.LevelDaten(s.Level);
        for (int k = 1; k <= level.Anzahl && k <= 10; ++k)
            most = std::max({most, std::fabs(float(level.Gravok(k).DX)), std::fabs(float(level.Gravok(k).DY))});
    }
    return most;
}

constexpr auto SmoothKeyName = "view/smooth";

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
      // Under weston this gave every other compositor frame at best (40 a second at
      // 60 Hz); the timer gives the full rate, and Qt's Wayland plugin still holds each
      // frame for the compositor's frame callback. GRAVOK_FRAME_PACING=compositor tries it.
      paced_(QGuiApplication::platformName().startsWith(QLatin1String("wayland")) &&
             qEnvironmentVariable("GRAVOK_FRAME_PACING") == QLatin1String("compositor"))
{
    const auto track = [this](Control* c, float step, bool wraps) {
        tracked_.push_back({c, Mover{c->Width, c->Height, step, wraps}, {}, {}});
        tracked_.back().from = tracked_.back().to = placeOf(*c);
    };
    track(form_.imgShuttle, ShuttleStep, true);
    for (int k = 1; k <= 10; ++k)
        track(form_.imgGravok(k), 0, true); // the level's drift, taken at each tick
    for (int i = 0; i <= 9; ++i)
        track(form_.imgSchuss(i), ShotStep, false);
    track(form_.imgHerz, 0, false); // it only ever jumps: placed, parked, collected
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &FrameLoop::frame);
    real_.start();
    view_.afterSync = [this] { sampled(); };
}

FrameLoop::~FrameLoop()
{
    view_.afterSync = nullptr;
    if (QWindow* w = view_.window()->windowHandle())
        w->removeEventFilter(this);
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

TickPlace FrameLoop::placeOf(const Control& c) const
{
    bool flying = shown(c);
    if (c.Name == "imgGravok")
        flying = flying && c.Tag != "0"; // out of play: exploding, or parked
    else if (c.Name == "imgSchuss")
        flying = flying && c.Tag == "2"; // waiting, or about to be launched
    return {c.Left, c.Top, flying};
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
    const float drift = levelDrift(host_.game().Start);
    for (Tracked& t : tracked_) {
        if (t.control->Name == "imgGravok")
            t.mover.largestStep = drift;
        const TickPlace now = placeOf(*t.control);
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
    followScreen();
    if (QWindow* w = view_.window()->windowHandle())
        connect(w, &QWindow::screenChanged, this, &FrameLoop::followScreen, Qt::UniqueConnection);
    if (paced_ && view_.window()->windowHandle()) {
        view_.window()->windowHandle()->installEventFilter(this);
        view_.window()->windowHandle()->requestUpdate();
        return;
    }
    dueNs_ = real_.nsecsElapsed();
    timer_.start(0);
}

// The picture comes to rest where the model has it, and moves on from there.
void FrameLoop::stop()
{
    for (Tracked& t : tracked_)
        t.from = t.to;
    if (!running_)
        return;
    running_ = false;
    timer_.stop();
    view_.setDrawn({});
    view_.holdPaints(false);
}

void FrameLoop::frame()
{
    if (!running_)
        return;
    const double fraction = std::clamp((now_() - static_cast<double>(clock_.lastTickAt())) / TickMs, 0.0, 1.0);
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
    schedule();
}

void FrameLoop::followScreen()
{
    periodNs_ = static_cast<std::int64_t>(1e9 / refreshHz());
}

// On a grid of the refresh interval, so that a late frame does not push the next ones.
void FrameLoop::schedule()
{
    if (paced_)
        return; // the next update request brings the next frame
    const std::int64_t now = real_.nsecsElapsed();
    dueNs_ += periodNs_;
    if (dueNs_ <= now)
        dueNs_ = now + periodNs_;
    timer_.start(static_cast<int>((dueNs_ - now + 500'000) / 1'000'000));
}

bool FrameLoop::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::UpdateRequest && running_ && watched == view_.window()->windowHandle()) {
        frame();
        view_.window()->windowHandle()->requestUpdate();
    }
    return false;
}

bool storedSmooth(const WindowSettings& settings)
{
    return settings.value(QLatin1String(SmoothKeyName), true).toBool();
}

void storeSmooth(WindowSettings& settings, bool smooth)
{
    settings.setValue(QLatin1String(SmoothKeyName), smooth);
}

} // namespace gravok::ui
