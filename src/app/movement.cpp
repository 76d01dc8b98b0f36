// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frm_haupt.h"

#include <algorithm>

namespace gravok {
namespace {

// Steps of the shuttle per tick and unit of speed; diagonals are not shortened.
constexpr int StepX[17] = {0, 0, 1, 2, 2, 2, 2, 2, 1, 0, -1, -2, -2, -2, -2, -2, -1};
constexpr int StepY[17] = {0, -2, -2, -2, -1, 0, 1, 2, 2, 2, 2, 2, 1, 0, -1, -2, -2};

constexpr int largest(const int (&steps)[17])
{
    int most = 0;
    for (const int step : steps)
        most = std::max(most, step < 0 ? -step : step);
    return most;
}

} // namespace

float FrmHaupt::shuttleStepMost()
{
    return static_cast<float>(std::max(largest(StepX), largest(StepY)) * TempoMost);
}

void FrmHaupt::frmHaupt_tmeBewegung_Timer()
{
    if (!levelInPlay())
        return;
    StartModule& s = game_.Start;
    if (s.Tempo == 0 && ShuttleBild != 2) {
        if (ShuttleBild == 1) {
            imgShuttle->setPicture(s.Richtung);
            ShuttleBild = 0;
        }
        return; // a standing shuttle is neither tested, moved, wrapped nor healed
    }
    if (ShuttleBild == 0 || ShuttleBild == 2) {
        const bool afterCollision = ShuttleBild == 2;
        imgShuttle->setPicture(s.Richtung + 20);
        ShuttleBild = 1;
        if (afterCollision)
            return;
    }

    // The heading is taken once; the speed anew for every gravok, as a contact changes it.
    const int heading = s.Richtung;
    const int n = s.LevelDaten(s.Level).Anzahl;
    for (Zaehler = 1; Zaehler <= n; ++Zaehler) {
        if (KollisionShuttleGravok(Zaehler, StepX[heading] * s.Tempo, StepY[heading] * s.Tempo))
            ShuttleGetroffen(Zaehler);
    }
    if (gameEnded())
        return; // the shuttle that was just lost neither moves nor collects the heart

    if (StepX[heading] != 0)
        imgShuttle->Left = imgShuttle->Left + static_cast<float>(I16(StepX[heading] * s.Tempo));
    if (StepY[heading] != 0)
        imgShuttle->Top = imgShuttle->Top + static_cast<float>(I16(StepY[heading] * s.Tempo));
    collectHeart();
    wrap(*imgShuttle);
}

void FrmHaupt::collectHeart()
{
    // The shuttle's corners against the heart, as a contact test with no step.
    const Control& sh = *imgShuttle;
    const Control& h = *imgHerz;
    const auto in = [&h](float x, float y) {
        return x >= h.Left && x <= h.Left + h.Width && y >= h.Top && y <= h.Top + h.Height;
    };
    const float x1 = sh.Left + sh.Width;
    const float y1 = sh.Top + sh.Height;
    if (!(in(x1, y1) || in(sh.Left, y1) || in(sh.Left, sh.Top) || in(x1, sh.Top)))
        return;
    StartModule& s = game_.Start;
    s.Schaden = s.Schaden - 5;
    if (s.Schaden < 0)
        s.Schaden = 0;
    for (Zaehler = s.Schaden; Zaehler <= s.Schaden + 4; ++Zaehler)
        spe(Zaehler)->Visible = false;
    imgHerz->Top = -2500;
    game_.platform.playSound("heart");
}

} // namespace gravok
