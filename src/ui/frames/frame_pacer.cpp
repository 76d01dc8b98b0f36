// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frames/frame_pacer.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace gravok::ui {

TimerPacer::TimerPacer(std::function<void()> frame) : FramePacer(std::move(frame))
{
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] { frame_(); });
    real_.start();
}

void TimerPacer::start(std::int64_t periodNs)
{
    periodNs_ = periodNs;
    dueNs_ = real_.nsecsElapsed();
    timer_.start(0);
}

void TimerPacer::next()
{
    const std::int64_t now = real_.nsecsElapsed();
    dueNs_ += periodNs_;
    if (dueNs_ <= now)
        dueNs_ = now + periodNs_;
    timer_.start(static_cast<int>((dueNs_ - now + 500'000) / 1'000'000));
}

CompositorPacer::CompositorPacer(QWidget& window, std::function<void()> frame)
    : FramePacer(std::move(frame)), window_(window)
{}

CompositorPacer::~CompositorPacer()
{
    if (QWindow* w = window_.windowHandle())
        w->removeEventFilter(this);
}

void CompositorPacer::start(std::int64_t /*periodNs*/)
{
    running_ = true;
    if (QWindow* w = window_.windowHandle()) {
        w->installEventFilter(this);
        w->requestUpdate();
    }
}

// The next update request brings the next frame.
void CompositorPacer::next() {}

bool CompositorPacer::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::UpdateRequest && running_ && watched == window_.windowHandle()) {
        frame_();
        window_.windowHandle()->requestUpdate();
    }
    return false;
}

std::unique_ptr<FramePacer> framePacer(QWidget& window, std::function<void()> frame)
{
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")) &&
        qEnvironmentVariable("GRAVOK_FRAME_PACING") == QLatin1String("compositor"))
        return std::make_unique<CompositorPacer>(window, std::move(frame));
    return std::make_unique<TimerPacer>(std::move(frame));
}

} // namespace gravok::ui
