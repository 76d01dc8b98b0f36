// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frm_haupt.h"

namespace gravok {

void FrmHaupt::TrefferWerten(int j)
{
    GravokSatz& g = slot(j);
    g.Treffer += 1;
    const int t = g.Bild - 100;
    // Equality: a wreck hit again counts the hit but cannot be destroyed twice.
    if (g.Treffer == GravokTypWert(t)) {
        imgGravok(j)->setPicture(151);
        imgGravok(j)->Tag = "0";
        ExplosionsPhase(j) = 1;
        ExplosionsGravok = j;
        Trefferpunkte = (t - (game_.Start.Episode - 1) * 3) * 50;
        const double p = score();
        const int points = Trefferpunkte;
        setScore(p < 100000 - points ? p + points : 99999);
        tmeAniGravok->setEnabled(true);
    }
    const double p = score();
    setScore(p < 99990 ? p + 10 : 99999);
    game_.platform.playSound(g.Treffer == GravokTypWert(t) ? "explosion" : "hit");
}

} // namespace gravok
