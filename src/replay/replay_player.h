// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "replay/replay_file.h"

namespace gravok {
class Game;
} // namespace gravok

namespace gravok::replay {

// Plays a replay into a game a slice of game time at a time, as a window shows it at its
// own pace. A slice may be cut anywhere: the clock's advance is additive, and a dialog that
// a tick opens is served from the lines that follow, as the harness's nested loop does.
// It may be called again from inside a dialog that one of its inputs opened.
class ReplayPlayer {
public:
    ReplayPlayer(Game& game, const Replay& replay);
    ~ReplayPlayer();
    ReplayPlayer(const ReplayPlayer&) = delete;
    ReplayPlayer& operator=(const ReplayPlayer&) = delete;

    // Main, whose start-up dialog the next slices answer.
    void start();
    // Plays what falls within the next MS of game time; with STOPATLOAD, no further once
    // that many episodes have loaded (skipping to a game ends where it begins).
    void play(std::uint64_t ms, std::optional<int> stopAtLoad = std::nullopt);
    // The answer the input box now open was given.
    std::optional<std::string> answer();

    // Plays nothing more: the recorded run ended the program here.
    void stop() { pos_ = lines_.size(); }
    [[nodiscard]] bool finished() const;
    [[nodiscard]] int gamesLoaded() const { return loads_; }
    // Inputs delivered so far: keys, clicks, answers, looking away.
    [[nodiscard]] std::size_t inputsDelivered() const { return delivered_; }

private:
    bool deliverNext();
    void deliver(const std::string& line);
    [[nodiscard]] std::size_t nextInput() const;

    Game& game_;
    std::vector<EpisodeLoad> episodes_;
    std::vector<std::string> lines_;
    std::vector<bool> done_;
    std::size_t pos_ = 0;
    std::uint64_t playedOfLine_ = 0;
    int loads_ = 0;
    std::size_t delivered_ = 0;
};

} // namespace gravok::replay
