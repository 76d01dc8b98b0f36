// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frm_haupt.h"
#include "core/numbers.h"

namespace gravok {

// Steps are held within -100 to 100: all that are too big first, then all too small.
void FrmHaupt::clampSteps(std::initializer_list<I16*> steps)
{
    for (I16* v : steps)
        if (*v > 100)
            *v = 100;
    for (I16* v : steps)
        if (*v < -100)
            *v = -100;
}

void FrmHaupt::frmHaupt_tmeGravokiten_Timer()
{
    if (!levelInPlay())
        return;
    StartModule& s = game_.Start;
    const int n = s.LevelDaten(s.Level).Anzahl;
    for (Zaehler = 1; Zaehler <= n; ++Zaehler) {
        const int inner = s.LevelDaten(s.Level).Anzahl;
        for (Zaehler2 = 1; Zaehler2 <= inner; ++Zaehler2)
            if (Zaehler2 != Zaehler && KollisionGravokGravok(Zaehler, Zaehler2))
                GravokeAbprallen(Zaehler, Zaehler2);
        if (KollisionGravokShuttle(Zaehler))
            ShuttleGetroffen(Zaehler);
        // Out of play: it still bounces and hurts where it stands, but does not move.
        if (numberOf(imgGravok(Zaehler)->Tag) == 0)
            continue;
        Control& img = *imgGravok(Zaehler);
        img.Left = img.Left + static_cast<float>(slot(Zaehler).DX);
        img.Top = img.Top + static_cast<float>(slot(Zaehler).DY);
        wrap(img);
    }
}

void FrmHaupt::GravokeAbprallen(int i, int j)
{
    GravokSatz& a = slot(i);
    GravokSatz& b = slot(j);
    for (;;) {
        ZufallsVorzeichen = drawSign();
        a.DX *= ZufallsVorzeichen;
        b.DX *= ZufallsVorzeichen;
        a.DY *= ZufallsVorzeichen;
        b.DY *= ZufallsVorzeichen;
        ZufallsSchritt = drawInt(10) + 1;
        a.DX += ZufallsSchritt;
        b.DX += ZufallsSchritt;
        a.DY += ZufallsSchritt;
        b.DY += ZufallsSchritt;
        clampSteps({&a.DX, &b.DX, &a.DY, &b.DY});
        if (!KollisionGravokGravok(i, j))
            return;
        // Still touching: push them 20 twips apart on both axes and draw again.
        imgGravok(i)->Top -= 10;
        imgGravok(i)->Left -= 10;
        imgGravok(j)->Top += 10;
        imgGravok(j)->Left += 10;
    }
}

} // namespace gravok
