// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/replays/list_watch.h"

#include <cstdio>

#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>

#include "app/frm_haupt.h"
#include "app/game.h"
#include "core/rules.h"
#include "replay/replay_io.h"
#include "ui/frames/frame_loop.h"
#include "ui/host/game_host.h"
#include "ui/host/running_game.h"
#include "ui/host/watch_platform.h"
#include "ui/replays/replay_watch.h"
#include "ui/view/form_view.h"

namespace gravok::ui {
namespace {

// Keeps the watched game's view over the whole view beneath as that one is resized.
class Cover : public QObject {
public:
    Cover(FormView& over, FormView& view) : over_(over), view_(view)
    {
        over_.installEventFilter(this);
        view_.setGeometry(over_.rect());
        view_.show();
        view_.raise();
        view_.setFocus();
    }
    ~Cover() override { over_.removeEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &over_ && event->type() == QEvent::Resize)
            view_.setGeometry(over_.rect());
        return false;
    }

private:
    FormView& over_;
    FormView& view_;
};

} // namespace

std::optional<Message> watchListed(const replay::ReplayLink& link, const std::filesystem::path& folder, FormView& over,
                                   QWidget* window, const std::function<void(ReplayWatch&)>& started, bool smooth)
{
    const auto text = replay::readReplayText(folder / link.replay);
    if (const auto* why = std::get_if<1>(&text))
        return *why;
    auto parsed = replay::parseReplay(std::get<0>(text), RulesVersion);
    if (const auto* why = std::get_if<Message>(&parsed))
        return *why;
    const replay::Replay& replay = std::get<replay::Replay>(parsed);

    // A game of its own, with no sound, no recording and no clock driver: the replay
    // drives it, and nothing of it reaches the running game's list or score.
    RunningGame<WatchPlatform> watched;
    GameHost& host = watched.host;
    QEventLoop loop;
    host.quit = [&loop] { loop.exit(); };
    // A replay that cannot play on ends its showing, not the running game.
    host.reportError = [](const QString& why) { std::fprintf(stderr, "gravok: %s\n", qPrintable(why)); };
    auto* view = new FormView(watched.game.frmHaupt(), host.pictures(), &over);
    host.addView(view);
    Cover cover(over, *view);
    watched.platform.attachView(watched.game, host, *view);

    const QString title = window ? window->windowTitle() : QString();
    {
        ReplayWatch watch(host, watched.platform, watched.game, replay, link.game, window ? window : view);
        watch.onlyThatGame = true;
        FrameLoop frames(
            *view, host, [&watch] { return watch.gameNowMs(); }, [&watch] { return watch.paused(); });
        frames.setSmooth(smooth);
        QTimer::singleShot(0, &loop, [&] {
            watch.start();
            if (started)
                started(watch);
        });
        loop.exec();
    }
    if (window)
        window->setWindowTitle(title);
    delete view;
    return std::nullopt;
}

} // namespace gravok::ui
