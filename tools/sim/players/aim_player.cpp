// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "players/aim_player.h"

#include <algorithm>
#include <cmath>

#include "app/frm_haupt.h"
#include "players/aim_sight.h"

namespace gravok {
namespace {

bool inPlay(const StartModule& s)
{
    return s.Level >= 1 && s.Level <= s.AnzahlLevel;
}

Step stepOf(const GravokSatz& g)
{
    return {double(g.DX), double(g.DY)};
}

bool freeShot(FrmHaupt& h)
{
    for (int i = 0; i <= 9; ++i)
        if (h.imgSchuss(i)->Tag == "0")
            return true;
    return false;
}

bool heartOnField(FrmHaupt& h)
{
    const Control& heart = *h.imgHerz;
    return heart.Top >= 0 && heart.Top + heart.Height <= h.fraHintergrund->Height && heart.Left >= 0 &&
           heart.Left + heart.Width <= h.fraHintergrund->Width;
}

// Whether a shot with HEADING, asked for after DELAY more ticks, would hit an active gravok.
bool shotHitsSome(Game& game, int heading, int delay)
{
    FrmHaupt& h = game.frmHaupt();
    const LevelSatz& level = game.Start.LevelDaten(game.Start.Level);
    for (int k = 1; k <= level.Anzahl; ++k)
        if (h.imgGravok(k)->Tag == "1" &&
            shotWouldHit(boxOf(*h.imgShuttle), heading, delay, boxOf(*h.imgGravok(k)), stepOf(level.Gravok(k))))
            return true;
    return false;
}

} // namespace

int activeGravoks(Game& game)
{
    const StartModule& s = game.Start;
    if (!inPlay(s))
        return 0;
    int active = 0;
    for (int k = 1; k <= s.LevelDaten(s.Level).Anzahl; ++k)
        active += game.frmHaupt().imgGravok(k)->Tag == "1";
    return active;
}

void AimPlayer::startEpisode(int episode)
{
    episode_ = episode;
    ending_.clear();
}

void AimPlayer::play(Game& game)
{
    FrmHaupt& h = game.frmHaupt();
    if (h.Pausiert == 1 || !inPlay(game.Start))
        return;
    if (heartWanted(game)) {
        fetchHeart(game);
        return;
    }
    if (const int want = chooseHeading(game)) {
        if (const int turn = turnToward(game.Start.Richtung, want))
            door().key(turn < 0 ? key::Left : key::Right);
    }
    holdTempo(game.Start.Tempo, 0);
    fireIfAligned(game);
}

// The heading whose shot meets some gravok after the fewest turns; failing that, the one
// toward the nearest gravok, so that the shuttle faces the likeliest next chance.
int AimPlayer::chooseHeading(Game& game)
{
    int best = 0;
    int bestTurns = 99;
    for (int heading = 1; heading <= 16; ++heading) {
        const int turns = turnsBetween(game.Start.Richtung, heading);
        if (turns < bestTurns && shotHitsSome(game, heading, turns)) {
            best = heading;
            bestTurns = turns;
        }
    }
    if (best != 0)
        return best;
    const int k = nearestGravok(game);
    return k ? headingToGravok(game, k) : 0;
}

void AimPlayer::fireIfAligned(Game& game)
{
    if (freeShot(game.frmHaupt()) && shotHitsSome(game, game.Start.Richtung, 0))
        door().key(key::Space);
}

void AimPlayer::holdTempo(int current, int target)
{
    if (current < target)
        door().key(key::Up);
    else if (current > target)
        door().key(key::Down);
}

// Worth a flight when it repairs all it can, or before the level's last gravok goes and
// takes the heart with it.
bool AimPlayer::heartWanted(Game& game)
{
    const int damage = game.Start.Schaden;
    return heartOnField(game.frmHaupt()) && (damage >= 5 || (damage >= 1 && activeGravoks(game) <= 1));
}

// Steers the shuttle's nearest corner onto the heart's centre, slowing down on the way.
void AimPlayer::fetchHeart(Game& game)
{
    FrmHaupt& h = game.frmHaupt();
    const Box shuttle = boxOf(*h.imgShuttle);
    const Box heart = boxOf(*h.imgHerz);
    const double cornerX = heart.centreX() < shuttle.centreX() ? shuttle.left : shuttle.left + shuttle.width;
    const double cornerY = heart.centreY() < shuttle.centreY() ? shuttle.top : shuttle.top + shuttle.height;
    const double distance = std::hypot(heart.centreX() - cornerX, heart.centreY() - cornerY);
    const int want = headingToward(cornerX, cornerY, heart.centreX(), heart.centreY());
    if (const int turn = turnToward(game.Start.Richtung, want))
        door().key(turn < 0 ? key::Left : key::Right);
    // Close enough in heading to go on: each tick re-aims, so the path zigzags onto it.
    const int tempo =
        turnsBetween(game.Start.Richtung, want) <= 1 ? std::clamp(static_cast<int>(distance / 30), 1, 20) : 0;
    holdTempo(game.Start.Tempo, tempo);
    if (activeGravoks(game) > 1)
        fireIfAligned(game);
}

void AimPlayer::answer(Game& game, Form& dialog)
{
    if (dialog.Name == "frmNeu") {
        door().click(dialog, dialog.at("opt" + std::to_string(episode_)));
        door().click(dialog, dialog.at("lblOK"));
        return;
    }
    if (dialog.Name == "frmPunkte" && game.Start.PunkteEintragen)
        ending_ = game.frmHaupt().lblAnzeige->Caption;
    door().key(key::Enter);
}

} // namespace gravok
