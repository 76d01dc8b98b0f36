// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/replays/replay_watch.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QWidget>

#include "app/game.h"
#include "ui/host/game_host.h"
#include "ui/host/watch_platform.h"

namespace gravok::ui {
namespace {

// Skipping to a later game runs this much game time per frame.
constexpr std::uint64_t SkipSliceMs = 60'000;

} // namespace

ReplayWatch::ReplayWatch(GameHost& host, WatchPlatform& platform, Game& game, const replay::Replay& replay,
                         int firstGame, QWidget* window)
    : host_(host),
      game_(game),
      window_(window),
      player_(game, replay),
      firstGame_(firstGame),
      pacer_(MaxFrameMs),
      speed_(replay.speed)
{
    // Shown at the speed it was played at; the right arrow still runs it four times as fast.
    pacer_.setRate({speed_, FullSpeed}, 0);
    // The help viewer is started with the program directory's help file.
    QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/Gravok.quh"),
                scratch_.path() + QStringLiteral("/Gravok.quh"));
    platform.follow(
        {scratch_.path().toStdString(), replay.random, [this] { return player_.answer(); }, [this] { finish(); }});
    // The draws before the start-up come from the recorded seed as well, as in the harness.
    game_.random.reseed(replay.random);
    if (qApp)
        qApp->installEventFilter(this); // after the host's key router, so it sees keys first
}

ReplayWatch::~ReplayWatch()
{
    if (qApp)
        qApp->removeEventFilter(this);
}

void ReplayWatch::start()
{
    real_.start();
    pacer_.restart(real_.nsecsElapsed());
    scheduleFrame();
    window_->setWindowTitle(QCoreApplication::translate("Gravok", "Gravok – Wiedergabe"));
    host_.call([this] { player_.start(); });
}

double ReplayWatch::gameNowMs() const
{
    const std::int64_t since = paused_ ? 0 : pacer_.pendingNs(real_.nsecsElapsed());
    return static_cast<double>(game_.clock.now()) + static_cast<double>(since) / 1e6;
}

// A new timer for every frame: a dialog that a frame's inputs open runs its own event
// loop, and only a timer other than the one whose handler is running fires in there.
void ReplayWatch::scheduleFrame()
{
    QTimer::singleShot(FrameMs, Qt::PreciseTimer, this, &ReplayWatch::frame);
}

void ReplayWatch::frame()
{
    if (host_.ended() || ended_)
        return;
    scheduleFrame();
    const std::int64_t now = real_.nsecsElapsed();
    if (paused_) {
        pacer_.restart(now);
        return;
    }
    auto ms = static_cast<std::uint64_t>(pacer_.take(now));
    // Skipped to the game watched, and no further: a slice that ran on would play it unseen.
    std::optional<int> stopAt;
    if (player_.gamesLoaded() < firstGame_) {
        ms = SkipSliceMs;
        stopAt = firstGame_;
    }
    host_.guarded([&] {
        if (!ended_)
            player_.play(ms, stopAt);
    });
    host_.refresh();
    // A run that ends with a dialog open stands there until Escape; a game watched from
    // the list ends with the run all the same (the list was open when it was saved).
    const bool runEnded = player_.finished() && (onlyThatGame || game_.windows().size() == 1);
    if (runEnded || (onlyThatGame && player_.gamesLoaded() > firstGame_))
        finish();
}

void ReplayWatch::finish()
{
    ended_ = true;
    player_.stop();
    if (onlyThatGame) {
        host_.end();
        return;
    }
    window_->setWindowTitle(QCoreApplication::translate("Gravok", "Gravok – Wiedergabe beendet (Escape schließt)"));
}

bool ReplayWatch::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    const bool key = type == QEvent::KeyPress || type == QEvent::KeyRelease || type == QEvent::ShortcutOverride;
    const bool mouse =
        type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease || type == QEvent::MouseButtonDblClick;
    if (!key && !mouse)
        return false;
    const auto* widget = qobject_cast<const QWidget*>(watched);
    if (!widget || !host_.isGameWindow(widget->window()))
        return false;
    if (mouse)
        return true; // the recorded clicks play; the watcher's do not
    const auto* k = static_cast<const QKeyEvent*>(event);
    if (type == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    const bool press = type == QEvent::KeyPress;
    if (k->key() == Qt::Key_Right && !k->isAutoRepeat() && fast_ != press) {
        fast_ = press;
        pacer_.setRate({fast_ ? FastFactor * speed_ : speed_, FullSpeed}, real_.nsecsElapsed());
    }
    // Releases pass on: the running game's key router must see every key go up, or a key
    // pressed just before the showing would count as still held when its list reopens.
    if (!press)
        return false;
    if (k->key() == Qt::Key_P && !k->isAutoRepeat())
        paused_ = !paused_;
    else if (k->key() == Qt::Key_Escape)
        host_.end();
    return true;
}

} // namespace gravok::ui
