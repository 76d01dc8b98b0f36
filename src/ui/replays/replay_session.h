// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <filesystem>
#include <memory>

#include <QObject>
#include <QTimer>

#include "core/game_speed.h"
#include "replay/background_writer.h"
#include "replay/recorder.h"

namespace gravok::ui {

class GameHost;

// Records the window's whole run through the host's input door into the replay folder.
// The file is written now and then while the game runs and once more at the end, so that
// a crash loses at most the last minute; older replays beyond those kept are removed.
// The writes while a game runs are made on a thread of their own; the one for a new list
// entry and the last one are waited for.
class ReplaySession : public QObject {
    Q_OBJECT
public:
    static constexpr int SaveEveryMs = 10'000;

    explicit ReplaySession(GameHost& host, QObject* parent = nullptr);
    ~ReplaySession() override;

    [[nodiscard]] const std::filesystem::path& file() const { return file_; }
    // Writes the replay as it stands if it changed; a whole save (a new list entry, the
    // end) is written even unchanged and waited for. A failure is said once on standard error.
    void save(bool whole = false);
    // The game speed from now on: the replay keeps the slowest of the run, each entry's
    // link the slowest of its game, so the list can show it.
    void noteSpeed(int percent);

private:
    GameHost& host_;
    replay::Recorder recorder_;
    std::filesystem::path file_;
    replay::BackgroundWriter writer_;
    QTimer timer_;
    bool complained_ = false;
    bool saved_ = false;
    std::size_t savedInputs_ = 0;
    int speed_ = FullSpeed;
    std::size_t speedGame_ = 0; // the game (its episode load) the slowest below is of
    int gameSlowest_ = FullSpeed;
    int signalPipe_[2] = {-1, -1};
};

} // namespace gravok::ui
