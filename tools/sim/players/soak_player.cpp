// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "players/soak_player.h"

#include <array>

#include "app/frm_haupt.h"
#include "episodes/frm_neu.h"
#include "players/aim_sight.h"

namespace gravok {
namespace {

// A game this long is taking too long: full speed ends it.
constexpr long RecklessAfter = 30000;

// Pieces of names, umlauts and the separators of a list entry among them.
constexpr std::array<const char*, 24> NamePieces = {"a", "e", "i", "o", "u", "r", "s", "t", "K", "M", "P", "Z",
                                                    "0", "7", " ", "-", ":", "(", ")", "ä", "ö", "ü", "ß", "Ä"};

} // namespace

SoakPlayer::SoakPlayer(std::uint64_t seed) : dice_(seed ^ 0x5eed50a4ULL)
{
    newGameMood();
}

void SoakPlayer::newGameMood()
{
    constexpr std::array<int, 5> moods = {0, 20, 50, 80, 95};
    aimPercent_ = moods[static_cast<std::size_t>(dice_.below(static_cast<int>(moods.size())))];
    targetTempo_ = 0;
    gameTicks_ = 0;
}

void SoakPlayer::play(Game& game)
{
    FrmHaupt& h = game.frmHaupt();
    ++gameTicks_;
    if (resumeIn_ >= 0 && --resumeIn_ < 0 && h.Pausiert == 1)
        door().key(key::P);
    if (ended_)
        afterGame();
    else
        fly(game);
    useMenu(h);
}

// Keys go in whether or not the game is paused: paused, they must change nothing.
void SoakPlayer::fly(Game& game)
{
    const int k = dice_.percent(aimPercent_) ? nearestGravok(game) : 0;
    int turn = 0;
    if (k != 0) {
        turn = turnToward(game.Start.Richtung, headingToGravok(game, k));
    } else {
        const bool left = dice_.percent(10);
        const bool right = dice_.percent(10);
        turn = int(right) - int(left);
    }
    if (turn != 0)
        door().key(turn < 0 ? key::Left : key::Right);
    if (gameTicks_ > RecklessAfter)
        targetTempo_ = 100;
    else if (dice_.oneIn(80)) {
        const int roll = dice_.below(10);
        targetTempo_ = roll < 7   ? dice_.between(-15, 15)
                       : roll < 9 ? dice_.between(-50, 50)
                                  : (dice_.percent(50) ? 100 : -100);
    }
    if (game.Start.Tempo != targetTempo_ && dice_.percent(60))
        door().key(game.Start.Tempo < targetTempo_ ? key::Up : key::Down);
    if (dice_.percent(k ? 60 : 30))
        door().key(key::Space);
}

void SoakPlayer::useMenu(FrmHaupt& h)
{
    if (dice_.oneIn(1500)) {
        door().key(key::P);
        if (h.Pausiert == 1)
            resumeIn_ = dice_.between(1, 40);
    }
    if (dice_.oneIn(20000)) {
        door().click(h, *h.lblHilfe);
        resumeIn_ = dice_.between(1, 40);
    }
    if (dice_.oneIn(3000))
        door().key(key::F1);
    if (dice_.oneIn(8000))
        door().key(key::F2);
    if (dice_.oneIn(8000))
        door().click(h, *h.lblInfo);
    if (dice_.oneIn(8000))
        door().click(h, *h.lblHighscore);
    if (dice_.oneIn(12000)) {
        cancelNext_ = dice_.percent(30);
        door().key(key::F4);
    }
}

// While "Game over!" or "Geschafft!" stands, play keys must change nothing.
void SoakPlayer::afterGame()
{
    constexpr std::array<int, 6> keys = {key::Left, key::Right, key::Up, key::Down, key::Space, key::P};
    if (dice_.oneIn(4))
        door().key(keys[static_cast<std::size_t>(dice_.below(static_cast<int>(keys.size())))]);
    if (--newGameIn_ > 0)
        return;
    cancelNext_ = dice_.percent(15);
    door().key(key::F4);
    newGameIn_ = dice_.between(1, 30);
}

void SoakPlayer::answer(Game& game, Form& dialog)
{
    if (dialog.Name == "frmNeu") {
        chooseEpisode(game, dialog);
        return;
    }
    if (dialog.Name == "frmPunkte" && game.Start.PunkteEintragen) {
        ended_ = true;
        newGameIn_ = dice_.between(1, 30);
    }
    if (dice_.oneIn(10))
        door().key(key::F1);
    const int how = dice_.below(3);
    if (how == 0)
        door().key(key::Enter);
    else if (how == 1)
        door().key(key::Escape);
    else
        door().click(dialog, dialog.at("lblOK"));
}

void SoakPlayer::chooseEpisode(Game& game, Form& dialog)
{
    if (dice_.oneIn(20))
        door().key(key::F1);
    const bool cancel = cancelNext_;
    cancelNext_ = false;
    // At start-up there is no cancel; Escape there must do nothing.
    if (cancel || (game.Start.Programmstart && dice_.oneIn(5))) {
        if (dice_.percent(50))
            door().key(key::Escape);
        else if (Control* abort = dialog.find("lblAbbrechen"); abort && abort->Visible)
            door().click(dialog, *abort);
        if (dialog.closed())
            return;
    }
    const std::string n = std::to_string(nextEpisode_);
    // The option button or its title; the title of episode 4 selects it here as well.
    door().click(dialog, dialog.at(dice_.percent(50) ? "opt" + n : "lbl" + n));
    if (dice_.percent(50))
        door().key(key::Enter);
    else
        door().click(dialog, dialog.at("lblOK"));
    if (static_cast<FrmNeu&>(dialog).gameStarted()) {
        nextEpisode_ = nextEpisode_ % 4 + 1;
        ended_ = false;
        newGameMood();
    }
}

std::optional<std::string> SoakPlayer::name()
{
    if (dice_.oneIn(10))
        return std::nullopt;
    std::string name;
    for (int n = dice_.below(11); n > 0; --n)
        name += NamePieces[static_cast<std::size_t>(dice_.below(static_cast<int>(NamePieces.size())))];
    return name;
}

} // namespace gravok
