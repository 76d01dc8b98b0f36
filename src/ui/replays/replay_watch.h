// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Replays: the run recorded as it is played, a recording shown in the window, a listed game watched again.
#pragma once
#include <cstdint>
#include <memory>

#include <QElapsedTimer>
#include <QObject>
#include <QTemporaryDir>
#include <QTimer>

#include "core/real_time_pacer.h"
#include "replay/replay_file.h"
#include "replay/replay_player.h"

class QWidget;

namespace gravok {
class Game;
} // namespace gravok

namespace gravok::ui {

class GameHost;
class WatchPlatform;

// Shows a replay in the window at real speed. The player's own keys do not reach the
// game: P pauses and resumes the showing, Escape ends it, Right held runs it four times as
// fast. The game plays in a scratch program directory, so its entry lands in no real list.
class ReplayWatch : public QObject {
    Q_OBJECT
public:
    static constexpr int FrameMs = 10;
    static constexpr int FastFactor = 4;
    // Game time shown per frame at most, so a stalled window does not race to catch up.
    static constexpr std::int64_t MaxFrameMs = 200;

    // Starts at the Kth game of the run (the Kth episode loaded); 1 is the first.
    ReplayWatch(GameHost& host, WatchPlatform& platform, Game& game, const replay::Replay& replay, int firstGame,
                QWidget* window);
    ~ReplayWatch() override;

    void start();
    // The watched game's time now in milliseconds, what the next frame will give it
    // included; it stands while the showing is paused.
    [[nodiscard]] double gameNowMs() const;
    [[nodiscard]] bool paused() const { return paused_; }

    // Watched from the high-score list: the showing ends with the watched game (when the
    // run's next game loads, or the run ends) and the host ends with it.
    bool onlyThatGame = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void scheduleFrame();
    void frame();
    void finish();

    GameHost& host_;
    Game& game_;
    QWidget* window_;
    QTemporaryDir scratch_;
    replay::ReplayPlayer player_;
    int firstGame_;
    QElapsedTimer real_;
    RealTimePacer pacer_;
    bool paused_ = false;
    int speed_;
    bool fast_ = false;
    bool ended_ = false;
};

} // namespace gravok::ui
