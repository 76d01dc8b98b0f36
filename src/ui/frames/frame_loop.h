// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Frames: real time into the tick clock, smooth frames between ticks, their pacing and the --stats probe.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include <QObject>

#include "app/ahead_drawing.h"

namespace gravok {
class Control;
class VirtualClock;
} // namespace gravok

namespace gravok::ui {

class FormView;
class FramePacer;
class GameHost;

// Smooth motion: the game still ticks at its own pace, but while anything moves the main
// window is drawn at the screen's own rate, each moving picture on its way from where the
// model has it toward its place at the next tick (AheadDrawing). Paused, behind a layer,
// with nothing moving or with the stepped look chosen, no frame runs and the window shows
// exactly the model, painted at the tick.
class FrameLoop : public QObject {
    Q_OBJECT
public:
    // Frames per second when the screen names no rate, and the most we draw.
    static constexpr double DefaultHz = 60;
    static constexpr double MostHz = 240;

    // The main window's VIEW of HOST's game. NOW gives the game's time in milliseconds,
    // fractions included, as the clock's driver sees it. The picture stands while the game
    // is paused, a layer is open or the clock is held, and while ALSO_STANDING says so.
    FrameLoop(FormView& view, GameHost& host, std::function<double()> now, std::function<bool()> alsoStanding = {},
              QObject* parent = nullptr);
    ~FrameLoop() override;

    void setSmooth(bool on);
    [[nodiscard]] bool smooth() const { return smooth_; }
    [[nodiscard]] bool running() const { return running_; }
    // Frames per second: GRAVOK_REFRESH_HZ when set, else the rate of the window's
    // screen; 60 when it names none, never more than 240.
    [[nodiscard]] double refreshHz() const;

    // One frame now (the tests' fake clock calls it).
    void frame();
    [[nodiscard]] const AheadDrawing::Counts& aheadCounts() const { return drawing_.counts; }

private:
    void sampled();
    void start();
    void stop();
    void followScreen();
    [[nodiscard]] std::int64_t periodNs() const;

    [[nodiscard]] bool standing() const;

    FormView& view_;
    GameHost& host_;
    FrmHaupt& form_;
    VirtualClock& clock_;
    std::function<double()> now_;
    std::function<bool()> alsoStanding_;
    AheadDrawing drawing_;
    std::vector<AheadDrawing::Drawn> drawn_;
    std::unique_ptr<FramePacer> pacer_;
    bool smooth_ = true;
    bool running_ = false;
};

} // namespace gravok::ui
