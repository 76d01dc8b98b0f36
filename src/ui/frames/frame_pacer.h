// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <functional>
#include <memory>

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class QWidget;

namespace gravok::ui {

// Where the next smooth frame comes from. start() brings a first frame soon; after each
// frame, next() plans the one after; stop() ends them.
class FramePacer : public QObject {
    Q_OBJECT
public:
    explicit FramePacer(std::function<void()> frame) : frame_(std::move(frame)) {}

    virtual void start(std::int64_t periodNs) = 0;
    virtual void next() = 0;
    virtual void stop() = 0;
    // The screen's refresh interval changed (the window moved to another screen).
    virtual void setPeriod(std::int64_t /*periodNs*/) {}

protected:
    std::function<void()> frame_;
};

// A timer on a grid of the refresh interval, so that a late frame does not push the next ones.
class TimerPacer final : public FramePacer {
    Q_OBJECT
public:
    explicit TimerPacer(std::function<void()> frame);
    void start(std::int64_t periodNs) override;
    void next() override;
    void stop() override { timer_.stop(); }
    void setPeriod(std::int64_t periodNs) override { periodNs_ = periodNs; }

private:
    QTimer timer_;
    QElapsedTimer real_;
    std::int64_t dueNs_ = 0;
    std::int64_t periodNs_ = 0;
};

// The compositor's update requests to the window: a frame when it is ready for one.
class CompositorPacer final : public FramePacer {
    Q_OBJECT
public:
    CompositorPacer(QWidget& window, std::function<void()> frame);
    ~CompositorPacer() override;
    void start(std::int64_t periodNs) override;
    void next() override;
    void stop() override { running_ = false; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    bool running_ = false;
};

// The timer, or under Wayland with GRAVOK_FRAME_PACING=compositor the compositor's requests.
// Under weston the requests gave every other compositor frame at best (40 a second at
// 60 Hz); the timer gives the full rate, and Qt's Wayland plugin still holds each frame for
// the compositor's frame callback.
[[nodiscard]] std::unique_ptr<FramePacer> framePacer(QWidget& window, std::function<void()> frame);

} // namespace gravok::ui
