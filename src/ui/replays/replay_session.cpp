// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/replays/replay_session.h"

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>

#include "app/game.h"
#include "core/rules.h"
#include "replay/replay_io.h"
#include "replay/replay_links.h"
#include "replay/replay_store.h"
#include "ui/host/game_host.h"

namespace gravok::ui {
namespace {

int quitPipe = -1;

// A logout or kill asks politely first: the program ends as after "Ende", replay written.
void askToQuit(int)
{
    const char byte = 1;
    if (quitPipe >= 0) [[maybe_unused]]
        const auto n = ::write(quitPipe, &byte, 1);
}

} // namespace

ReplaySession::ReplaySession(GameHost& host, QObject* parent)
    : QObject(parent),
      host_(host),
      recorder_(RulesVersion),
      writer_([this](const std::string& text) { return replay::writeReplayText(file_, text, true); })
{
    const auto folder = replay::replayFolder();
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    file_ = folder / replay::replayFileName(static_cast<std::int64_t>(std::time(nullptr)), static_cast<long>(getpid()));
    host_.door().record(&recorder_);
    // Each entry the run adds names this replay and its game in the run; the replay is
    // written at once, so the entry's game can be watched even if the program dies later.
    host_.game().entryAdded = [this, folder](const std::filesystem::path& list, std::size_t line) {
        const int game = static_cast<int>(std::max<std::size_t>(recorder_.episodeLoads(), 1));
        const int speed = recorder_.episodeLoads() == speedGame_ ? gameSlowest_ : speed_;
        const auto why = replay::appendLink(folder, {list, line, file_.filename().string(), game, speed});
        if (why && !complained_) {
            complained_ = true;
            std::fprintf(stderr, "gravok: %s\n", why->c_str());
        }
        save(true);
    };
    replay::pruneReplays(folder, replay::bestReplays(replay::readLinks(folder)), file_.filename().string());
    connect(&timer_, &QTimer::timeout, this, [this] { save(); });
    timer_.start(SaveEveryMs);
    if (!QCoreApplication::instance())
        return;
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, [this] { save(true); });
    if (quitPipe < 0 && ::pipe2(signalPipe_, O_CLOEXEC | O_NONBLOCK) == 0) {
        quitPipe = signalPipe_[1];
        auto* notifier = new QSocketNotifier(signalPipe_[0], QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, [] { QCoreApplication::quit(); });
        struct sigaction action {};
        action.sa_handler = askToQuit;
        sigemptyset(&action.sa_mask);
        ::sigaction(SIGTERM, &action, nullptr);
        ::sigaction(SIGINT, &action, nullptr);
        ::sigaction(SIGHUP, &action, nullptr);
    }
}

ReplaySession::~ReplaySession()
{
    save(true);
    host_.door().record(nullptr);
    host_.game().entryAdded = nullptr;
    if (signalPipe_[1] >= 0) {
        quitPipe = -1;
        ::signal(SIGTERM, SIG_DFL);
        ::signal(SIGINT, SIG_DFL);
        ::signal(SIGHUP, SIG_DFL);
        ::close(signalPipe_[0]);
        ::close(signalPipe_[1]);
    }
}

void ReplaySession::noteSpeed(int percent)
{
    recorder_.speed(percent);
    // A game began since the last change: it has been played at the last speed until now.
    const std::size_t game = recorder_.episodeLoads();
    gameSlowest_ = std::min(game == speedGame_ ? gameSlowest_ : speed_, percent);
    speedGame_ = game;
    speed_ = percent;
}

void ReplaySession::save(bool whole)
{
    // Time alone passing adds nothing worth a write; the last save's trailing advance is
    // only cut short, and the end of the run writes it whole.
    const auto inputs = recorder_.inputBytes() + recorder_.episodeLoads();
    if (inputs == savedInputs_ && saved_ && !whole)
        return;
    savedInputs_ = inputs;
    saved_ = true;
    writer_.post(recorder_.text());
    if (whole)
        writer_.flush();
    const auto why = writer_.takeFailure();
    if (why && !complained_) {
        complained_ = true;
        std::fprintf(stderr, "gravok: %s\n", why->c_str());
    }
}

} // namespace gravok::ui
