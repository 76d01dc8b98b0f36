// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <exception>
#include <string>

#include "app/game.h"
#include "core/errors.h"
#include "players/invariants.h"
#include "players/play_platform.h"
#include "players/scratch_dir.h"

namespace gravok {

// One run of the game for a headless player: the desktop, the game in a scratch program
// directory, and the checks after every step. Each step returns what broke, or nullptr.
class Playthrough {
public:
    Playthrough(const ScratchDir& scratch, std::uint64_t seed, DialogAnswers& answers);

    [[nodiscard]] Game& game() { return game_; }
    [[nodiscard]] replay::InputDoor& door() { return door_; }
    [[nodiscard]] const PlayPlatform& platform() const { return platform_; }

    // Main, with its start-up dialog answered by the player.
    const char* start();
    // The player's keys and clicks between two ticks.
    template <class Keys>
    const char* act(Keys&& keys)
    {
        if (const char* failed = guarded(keys))
            return failed;
        return findings();
    }
    // 50 ms of game time, then every check.
    const char* tick();

    [[nodiscard]] std::uint64_t ticks() const { return ticks_; }
    [[nodiscard]] long levelsCleared() const { return levelsCleared_; }
    // Hits the shuttle took, over all games.
    [[nodiscard]] long hits() const { return hits_; }

private:
    template <class Step>
    const char* guarded(Step&& step)
    {
        try {
            step();
            return nullptr;
        } catch (const GameError& e) {
            problem_ = std::string("the game failed: ") + e.what();
        } catch (const std::exception& e) {
            problem_ = std::string("the run failed: ") + e.what();
        }
        return problem_.c_str();
    }
    const char* findings();
    void countProgress();

    const ScratchDir& scratch_;
    PlayPlatform platform_;
    Game game_;
    replay::InputDoor door_;
    InvariantChecker checker_;
    std::string problem_;
    std::uint64_t ticks_ = 0;
    long levelsCleared_ = 0;
    long hits_ = 0;
    long seenStarted_ = 0;
    long seenFinished_ = 0;
    int lastLevel_ = 1;
    int lastSchaden_ = 0;
};

} // namespace gravok
