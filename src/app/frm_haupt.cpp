// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frm_haupt.h"

#include <array>

#include "core/numbers.h"
#include "episodes/frm_neu.h"

namespace gravok {

FrmHaupt::FrmHaupt(Game& game) : Form("frmHaupt"), game_(game)
{
    buildLayout();
    startTimers();
}

void FrmHaupt::startTimers()
{
    VirtualClock& clock = game_.clock;
    clock.add(*tmeBewegung, [this] { frmHaupt_tmeBewegung_Timer(); });
    clock.add(*tmeGravokiten, [this] { frmHaupt_tmeGravokiten_Timer(); });
    clock.add(*tmeSchuss, [this] { frmHaupt_tmeSchuss_Timer(); });
    clock.add(*tmeAniGravok, [this] { frmHaupt_tmeAniGravok_Timer(); });
    clock.add(*tmeAniSchuss, [this] { frmHaupt_tmeAniSchuss_Timer(); });
}

void FrmHaupt::frmHaupt_Form_Load()
{
    for (Zaehler = 0; Zaehler <= 9; ++Zaehler)
        imgSchuss(Zaehler)->setPicture(50);
    imgHerz->setPicture(60);
    Left = game_.platform.screenWidthTwips() / 2 - Width / 2;

    constexpr std::array<int, 12> hits = {3, 5, 7, 3, 5, 7, 3, 5, 7, 3, 5, 7};
    for (int n = 1; n <= 12; ++n)
        GravokTypWert(n) = hits[static_cast<std::size_t>(n - 1)];
    PauseUmschalten();

    game_.Start.Programmstart = true;
    FrmNeu neu(game_);
    game_.showModal(neu);
    game_.Start.Programmstart = false;

    PauseUmschalten();
    game_.random.reseed(game_.platform.clockSeed());
}

void FrmHaupt::PauseUmschalten()
{
    const std::array<Control*, 5> timers = {tmeBewegung, tmeSchuss, tmeGravokiten, tmeAniGravok, tmeAniSchuss};
    if (Pausiert == 0) {
        for (Control* t : timers) {
            if (t->Enabled()) {
                t->Tag = "1";
                t->setEnabled(false);
            } else {
                t->Tag = "0";
            }
        }
        Pausiert = 1;
        lblAnzeige->Caption = "Pause!";
    } else {
        for (Control* t : timers)
            if (numberOf(t->Tag) == 1)
                t->setEnabled(true);
        Pausiert = 0;
        lblAnzeige->Caption.clear();
    }
}

void FrmHaupt::pauseWhileAway()
{
    if (Pausiert == 0 && numberOf(Tag) == 0 && levelInPlay() && !gameEnded())
        PauseUmschalten();
}

} // namespace gravok
