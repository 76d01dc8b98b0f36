// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frm_haupt.h"
#include "core/numbers.h"
#include "episodes/frm_neu.h"
#include "info/frm_info.h"
#include "info/help.h"
#include "scores/frm_punkte.h"

namespace gravok {

// A dialog freezes the game while it is open; a game that ran before runs on after.
void FrmHaupt::showAroundPause(Form& dialog)
{
    if (Pausiert == 0)
        PauseUmschalten();
    else
        WarPausiert = true;
    game_.showModal(dialog);
    if (Pausiert == 1) {
        if (!WarPausiert)
            PauseUmschalten();
        else
            WarPausiert = false;
    }
}

void FrmHaupt::NeuesSpiel()
{
    if (Pausiert == 0)
        PauseUmschalten();
    else
        WarPausiert = true;
    FrmNeu neu(game_);
    game_.showModal(neu);
    if (!WarPausiert) {
        PauseUmschalten();
    } else {
        // A new game always runs; a paused or ended one stays so after a cancel.
        if (neu.gameStarted())
            PauseUmschalten();
        WarPausiert = false;
    }
}

void FrmHaupt::frmHaupt_lblEnde_Click()
{
    game_.platform.endProgram();
}

void FrmHaupt::frmHaupt_lblHighscore_Click()
{
    FrmPunkte punkte(game_);
    showAroundPause(punkte);
}

void FrmHaupt::frmHaupt_lblHilfe_Click()
{
    if (Pausiert == 0)
        PauseUmschalten();
    HilfeOeffnen(game_, "Inhalt");
}

void FrmHaupt::frmHaupt_lblInfo_Click()
{
    FrmInfo info(game_);
    showAroundPause(info);
}

bool FrmHaupt::isMenuLabel(const Control& c) const
{
    return &c == lblEnde || &c == lblHighscore || &c == lblHilfe || &c == lblInfo;
}

void FrmHaupt::mouseDown(Control& control)
{
    if (isMenuLabel(control))
        control.ForeColor = palette::LightBlue;
}

void FrmHaupt::mouseUp(Control& control)
{
    if (isMenuLabel(control))
        control.ForeColor = palette::White;
}

void FrmHaupt::click(Control& control)
{
    if (&control == lblEnde)
        frmHaupt_lblEnde_Click();
    else if (&control == lblHighscore)
        frmHaupt_lblHighscore_Click();
    else if (&control == lblHilfe)
        frmHaupt_lblHilfe_Click();
    else if (&control == lblInfo)
        frmHaupt_lblInfo_Click();
}

} // namespace gravok
