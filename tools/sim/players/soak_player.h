// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "players/playthrough.h"

namespace gravok {

class FrmHaupt;

// A player's own random stream (splitmix64), apart from the game's, so that the same seed
// replays the same run on every machine and compiler.
class Dice {
public:
    explicit Dice(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // 0 .. n - 1, for n > 0.
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
    // lo .. hi, both included.
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }
    bool oneIn(int n) { return below(n) == 0; }
    bool percent(int p) { return below(100) < p; }

private:
    std::uint64_t state_;
};

// A restless player at the keyboard: turns, changes speed, fires a lot, pauses and goes on,
// opens and closes every dialog, starts new games with F4 (the episodes in turn, now and
// then cancelling) and types odd names. Every choice comes from its own dice, so a seed
// replays the same run. Each game it leans more or less toward aiming at the gravoks, so
// that some games also reach later levels, the heart and the end of an episode.
class SoakPlayer : public DialogAnswers {
public:
    explicit SoakPlayer(std::uint64_t seed);

    // The keys and clicks before one tick.
    void play(Game& game);
    void answer(Game& game, Form& dialog) override;
    std::optional<std::string> name() override;

    // Ticks the current game has run; a game that runs very long makes the player reckless.
    [[nodiscard]] long gameTicks() const { return gameTicks_; }

private:
    void fly(Game& game);
    void useMenu(FrmHaupt& h);
    void afterGame();
    void chooseEpisode(Game& game, Form& dialog);
    void newGameMood();

    Dice dice_;
    int nextEpisode_ = 1;
    bool ended_ = false;
    bool cancelNext_ = false;
    int resumeIn_ = -1;  // ticks until P ends a pause the player made
    int newGameIn_ = -1; // ticks until F4 after an ended game
    int targetTempo_ = 0;
    int aimPercent_ = 0;
    long gameTicks_ = 0;
};

} // namespace gravok
