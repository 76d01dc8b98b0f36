// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frm_haupt.h"
#include "core/words.h"

namespace gravok {

// Every exploding gravok runs through its three stages on its own and then leaves the
// field, so none stays behind as a wreck that still collides.
void FrmHaupt::frmHaupt_tmeAniGravok_Timer()
{
    if (!anyExplosion()) {
        tmeAniGravok->setEnabled(false); // nothing left to show, e.g. after a new game
        return;
    }
    for (int k = 1; k <= 10; ++k) {
        if (ExplosionsPhase(k) == 0)
            continue;
        if (ExplosionsPhase(k) < 3) {
            ExplosionsPhase(k) += 1;
            imgGravok(k)->setPicture(150 + ExplosionsPhase(k));
            continue;
        }
        if (endExplosion(k))
            return; // the level is cleared: this run ends with it
    }
}

bool FrmHaupt::endExplosion(int k)
{
    ExplosionsGravok = k;
    ExplosionsPhase(k) = 0;
    imgGravok(k)->setPicture(0);
    imgGravok(k)->Top = -2500;
    if (anyExplosion())
        return false; // the level can end only once the last explosion is over
    tmeAniGravok->setEnabled(false);
    ZerstoerteGravoks = 0;
    for (Zaehler2 = 1; Zaehler2 <= 10; ++Zaehler2)
        if (imgGravok(Zaehler2)->Tag == "0")
            ZerstoerteGravoks += 1;
    if (ZerstoerteGravoks != 10)
        return false;
    levelCleared();
    return true;
}

bool FrmHaupt::anyExplosion() const
{
    for (int k = 1; k <= 10; ++k)
        if (ExplosionsPhase(k) != 0)
            return true;
    return false;
}

void FrmHaupt::levelCleared()
{
    StartModule& s = game_.Start;
    s.Level += 1;
    imgHerz->Top = -2500; // a heart not collected in its level is gone with it
    if (s.Level > s.AnzahlLevel) {
        endGame(GRAVOK_TEXT("frmHaupt", "Geschafft!"));
        return;
    }
    if (s.HerzLevel == s.Level) {
        imgHerz->Left = static_cast<float>(s.HerzX);
        imgHerz->Top = static_cast<float>(s.HerzY);
    }
    startLevel(s.Level, Zaehler2);
    game_.platform.playSound("level");
}

void FrmHaupt::frmHaupt_tmeAniSchuss_Timer()
{
    for (Zaehler = 0; Zaehler <= 9; ++Zaehler) {
        if (SchussExplodiert(Zaehler) != 1)
            continue;
        imgSchuss(Zaehler)->setPicture(50);
        imgSchuss(Zaehler)->Top = -250;
        imgSchuss(Zaehler)->Tag = "0";
        SchussExplodiert(Zaehler) = 0;
    }
}

} // namespace gravok
