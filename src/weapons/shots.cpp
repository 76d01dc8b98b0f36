// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frm_haupt.h"
#include "core/numbers.h"

#include <algorithm>

namespace gravok {
namespace {

// Twips per tick of a shot by its heading; diagonals fly farther.
constexpr float ShotX[17] = {0, 0, 150, 300, 300, 300, 300, 300, 150, 0, -150, -300, -300, -300, -300, -300, -150};
constexpr float ShotY[17] = {0, -300, -300, -300, -150, 0, 150, 300, 300, 300, 300, 300, 150, 0, -150, -300, -300};

constexpr float largest(const float (&steps)[17])
{
    float most = 0;
    for (const float step : steps)
        most = std::max(most, step < 0 ? -step : step);
    return most;
}

bool validHeading(int h)
{
    return h >= 1 && h <= 16;
}

// Either the shot's top-left or its bottom-right corner inside the gravok, edges included.
bool shotHits(const Control& s, const Control& g)
{
    const float gBottom = g.Top + g.Height;
    const float gRight = g.Left + g.Width;
    const bool topLeft = s.Top >= g.Top && gBottom >= s.Top && s.Left >= g.Left && gRight >= s.Left;
    const float sBottom = s.Top + s.Height;
    const float sRight = s.Left + s.Width;
    const bool bottomRight = sBottom >= g.Top && gBottom >= sBottom && sRight >= g.Left && gRight >= sRight;
    return topLeft || bottomRight;
}

} // namespace

float FrmHaupt::shotStepMost()
{
    return std::max(largest(ShotX), largest(ShotY));
}

void FrmHaupt::frmHaupt_tmeSchuss_Timer()
{
    if (!levelInPlay())
        return;
    for (Zaehler = 0; Zaehler <= 9; ++Zaehler) {
        const std::string& tag = imgSchuss(Zaehler)->Tag;
        if (tag == "1")
            launchShot(Zaehler);
        else if (tag == "2")
            flyShot(Zaehler);
    }
}

// A new shot starts on the shuttle's outline where its heading points. The offsets are
// the game's own and deliberately not mirror-symmetric.
void FrmHaupt::launchShot(int i)
{
    const Control& sh = *imgShuttle;
    Control& s = *imgSchuss(i);
    const float L = sh.Left, T = sh.Top, W = sh.Width, H = sh.Height, w = s.Width, h = s.Height;
    const int heading = game_.Start.Richtung;
    struct Offset {
        float left, top;
    };
    const Offset table[17] = {{0, 0},
                              {L + W / 2 - w / 2, T - h},
                              {L + (W / 4 - w / 2) * 4, T - h},
                              {L + W - w / 2, T - h},
                              {L + W, T + H / 4 - h / 2},
                              {L + W, T + H / 2 - h / 2},
                              {L + W, T + (H / 4 - h / 2) * 4},
                              {L + W, T + H},
                              {L + (W / 2 - w / 2) * 2, T + H},
                              {L + W / 2 - w / 2, T + H},
                              {L + W / 4 - w / 2, T + H},
                              {L - w / 2, T + H},
                              {L - w, T + (H / 4 - h / 2) * 4},
                              {L - w, T + H / 2 - h / 2},
                              {L - w, T + H / 4 - h / 2},
                              {L - w, T - h},
                              {L + W / 4 - w / 2, T - h}};
    if (validHeading(heading)) {
        s.Top = table[heading].top;
        s.Left = table[heading].left;
    }
    s.Tag = "2";
    SchussRichtung(i) = heading;
    game_.platform.playSound("shot");
}

void FrmHaupt::flyShot(int i)
{
    Control& s = *imgSchuss(i);
    const int heading = SchussRichtung(i);
    if (validHeading(heading)) {
        s.Left = s.Left + ShotX[heading];
        s.Top = s.Top + ShotY[heading];
    }
    // One shot may hit several overlapping gravoks in the same tick; each one counts.
    const int n = game_.Start.LevelDaten(game_.Start.Level).Anzahl;
    for (Zaehler2 = 1; Zaehler2 <= n; ++Zaehler2)
        if (shotHits(s, *imgGravok(Zaehler2)))
            hitAction(i, Zaehler2);
    const Control& f = *fraHintergrund;
    if (s.Top + s.Height < 0 || s.Left + s.Width < 0 || s.Top > f.Height || s.Left > f.Width) {
        s.Tag = "0";
        const double p = score();
        setScore(p > -99990 ? p - 10 : -99999);
        game_.platform.playSound("miss");
    }
}

void FrmHaupt::hitAction(int i, int j)
{
    imgSchuss(i)->setPicture(51);
    imgSchuss(i)->Tag = "0";
    SchussExplodiert(i) = 1;
    TrefferWerten(j);
    tmeAniSchuss->setEnabled(true);
}

double FrmHaupt::score() const
{
    return numberOf(lblP->Caption);
}

void FrmHaupt::setScore(double points)
{
    lblP->Caption = decimal(static_cast<long long>(points));
}

} // namespace gravok
