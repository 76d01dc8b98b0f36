// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>

#include "players/playthrough.h"

namespace gravok {

class FrmHaupt;

// A calm player that tries to win: it stands still, turns one step per tick toward the
// gravok its shot can reach soonest, fires whenever a shot would hit, and fetches the
// heart when the damage is worth it.
class AimPlayer : public DialogAnswers {
public:
    // The episode the next new-game dialog chooses.
    void startEpisode(int episode);
    // The keys before one tick.
    void play(Game& game);
    void answer(Game& game, Form& dialog) override;
    std::optional<std::string> name() override { return "Zielwerk"; }

    [[nodiscard]] bool ended() const { return !ending_.empty(); }
    // "Game over!" or "Geschafft!" once the game has ended.
    [[nodiscard]] const std::string& ending() const { return ending_; }

private:
    int chooseHeading(Game& game);
    bool heartWanted(Game& game);
    void fetchHeart(Game& game);
    void holdTempo(int current, int target);
    void fireIfAligned(Game& game);

    int episode_ = 1;
    std::string ending_;
};

// How many gravoks of the current level are still active.
[[nodiscard]] int activeGravoks(Game& game);

} // namespace gravok
