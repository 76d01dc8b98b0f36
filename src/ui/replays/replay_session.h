// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <filesystem>
#include <memory>

#include <QObject>
#include <QTimer>

#include "replay/recorder.h"

namespace gravok::ui {

class GameHost;

// Records the window's whole run through the host's input door into the replay folder.
// The file is written now and then while the game runs and once more at the end, so that
// a crash loses at most the last minute; older replays beyond those kept are removed.
class ReplaySession : public QObject {
    Q_OBJECT
public:
    static constexpr int SaveEveryMs = 10'000;

    explicit ReplaySession(GameHost& host, QObject* parent = nullptr);
    ~ReplaySession() override;

    [[nodiscard]] const std::filesystem::path& file() const { return file_; }
    // Writes the replay as it stands; a failure is said once on standard error.
    void save();

private:
    GameHost& host_;
    replay::Recorder recorder_;
    std::filesystem::path file_;
    QTimer timer_;
    bool complained_ = false;
    bool saved_ = false;
    bool final_ = false;
    std::size_t savedInputs_ = 0;
    int signalPipe_[2] = {-1, -1};
};

} // namespace gravok::ui
