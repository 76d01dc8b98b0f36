// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frm_haupt.h"
#include "core/numbers.h"
#include "info/help.h"

namespace gravok {

void FrmHaupt::frmHaupt_Form_KeyDown(int keyCode, int /*shift*/)
{
    if (keyCode == key::F1)
        HilfeOeffnen(game_, "Haupt - Menü");
    if (keyCode == key::F2)
        frmHaupt_lblInfo_Click();
    if (keyCode == key::Left && Pausiert == 0)
        turn(-1);
    if (keyCode == key::Right && Pausiert == 0)
        turn(+1);
    if (keyCode == key::Up && Pausiert == 0)
        changeSpeed(+1);
    if (keyCode == key::Down && Pausiert == 0)
        changeSpeed(-1);
    if (keyCode == key::Space && Pausiert == 0)
        requestShot();
    if (keyCode == key::P && pauseKeyWorks())
        PauseUmschalten();
    if (keyCode == key::F4)
        NeuesSpiel();
}

void FrmHaupt::turn(int by)
{
    StartModule& s = game_.Start;
    s.Richtung = s.Richtung + by;
    if (s.Richtung == 0)
        s.Richtung = 16;
    if (s.Richtung == 17)
        s.Richtung = 1;
    // The picture that does not match the speed makes the next movement tick redraw.
    ShuttleBild = s.Tempo == 0 ? 1 : 0;
}

void FrmHaupt::changeSpeed(int by)
{
    StartModule& s = game_.Start;
    s.Tempo = s.Tempo + by;
    if (s.Tempo > TempoMost)
        s.Tempo = TempoMost;
    if (s.Tempo < -TempoMost)
        s.Tempo = -TempoMost;
    lblTempo->Caption = decimal(s.Tempo);
}

void FrmHaupt::requestShot()
{
    for (Zaehler = 0; Zaehler <= 9; ++Zaehler) {
        if (numberOf(imgSchuss(Zaehler)->Tag) == 0) {
            imgSchuss(Zaehler)->Tag = "1";
            break;
        }
    }
}

} // namespace gravok
