// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frm_haupt.h"
#include "core/numbers.h"
#include "core/words.h"

namespace gravok {

void FrmHaupt::ShuttleGetroffen(int i)
{
    // Once the nineteenth hit has ended the game, later contacts of the same tick are void.
    if (gameEnded())
        return;
    for (;;) {
        deflect(slot(i));
        knockShuttle();
        if (!KollisionGravokShuttle(i))
            break;
        imgGravok(i)->Top -= 10;
        imgGravok(i)->Left -= 10;
        imgShuttle->Top += 10;
        imgShuttle->Left += 10;
    }
    StartModule& s = game_.Start;
    lblTempo->Caption = decimal(s.Tempo);
    s.Schaden += 1;
    game_.platform.playSound("bump");
    if (s.Schaden == 19) {
        endGame(GRAVOK_TEXT("frmHaupt", "Game over!"));
        return;
    }
    spe(s.Schaden - 1)->Visible = true;
    ShuttleBild = 2;
    frmHaupt_tmeBewegung_Timer();
}

void FrmHaupt::deflect(GravokSatz& g)
{
    ZufallsVorzeichen = drawSign();
    g.DX *= ZufallsVorzeichen;
    g.DY *= ZufallsVorzeichen;
    ZufallsSchritt = drawInt(10) + 1;
    g.DX += ZufallsSchritt;
    g.DY += ZufallsSchritt;
    clampSteps({&g.DX, &g.DY});
}

void FrmHaupt::knockShuttle()
{
    StartModule& s = game_.Start;
    s.Richtung = drawInt(16) + 1;
    ZufallsSchritt = drawInt(25) + 1;
    ZufallsVorzeichen = drawSign();
    ZufallsSchritt = ZufallsSchritt * ZufallsVorzeichen;
    s.Tempo = s.Tempo + ZufallsSchritt;
    if (s.Tempo > 100)
        s.Tempo = 100;
    if (s.Tempo < -100)
        s.Tempo = -100;
}

} // namespace gravok
