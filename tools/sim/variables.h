// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "app/frm_haupt.h"

namespace gravok {

// The game's variables by the names the harness knows them by, in the order the dump
// prints them; the paths of get, set and expect find them here too. A visitor has
// flag(name, bool&), integer(name, I16&), array(name, VbArray&) and
// levels(name, LevelTable&).
template <typename Visitor>
void visitVariables(Game& game, Visitor& v)
{
    StartModule& s = game.Start;
    FrmHaupt& h = game.frmHaupt();
    v.flag("PunkteEintragen", s.PunkteEintragen);
    v.flag("Programmstart", s.Programmstart);
    v.integer("Richtung", s.Richtung);
    v.integer("Tempo", s.Tempo);
    v.integer("Schaden", s.Schaden);
    v.integer("Episode", s.Episode);
    v.integer("Level", s.Level);
    v.integer("AnzahlLevel", s.AnzahlLevel);
    v.integer("HerzLevel", s.HerzLevel);
    v.integer("HerzX", s.HerzX);
    v.integer("HerzY", s.HerzY);
    // The episode parser's positions: the game keeps them, so the harness shows them too.
    v.integer("LesePos", s.LesePos);
    v.integer("LeseKomma", s.LeseKomma);
    v.integer("LeseFeld", s.LeseFeld);
    v.integer("Pausiert", h.Pausiert);
    v.flag("WarPausiert", h.WarPausiert);
    v.integer("ShuttleBild", h.ShuttleBild);
    v.integer("Zaehler", h.Zaehler);
    v.integer("Zaehler2", h.Zaehler2);
    v.integer("ZufallsVorzeichen", h.ZufallsVorzeichen);
    v.integer("ZufallsSchritt", h.ZufallsSchritt);
    v.integer("ExplosionsGravok", h.ExplosionsGravok);
    v.integer("ZerstoerteGravoks", h.ZerstoerteGravoks);
    v.integer("Trefferpunkte", h.Trefferpunkte);
    v.array("SchussRichtung", h.SchussRichtung);
    v.array("SchussExplodiert", h.SchussExplodiert);
    v.array("ExplosionsPhase", h.ExplosionsPhase);
    v.array("GravokTypWert", h.GravokTypWert);
    v.levels("LevelDaten", s.LevelDaten);
}

} // namespace gravok
