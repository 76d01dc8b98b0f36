// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <vector>

#include "core/errors.h"
#include "core/int16.h"
#include "core/vbarray.h"

namespace gravok {

// One gravok of a level as its episode file gives it; DX, DY and Treffer change in play.
struct GravokSatz {
    I16 Bild, X, Y, DX, DY, Treffer;
};

// One level: how many gravok slots it uses and the ten slots, counted from 1.
struct LevelSatz {
    I16 Anzahl;
    VbArray<GravokSatz, 1, 10> Gravok;
};

// The levels of the loaded episode, counted from 1 like the game's levels.
class LevelTable {
public:
    void redim(int count) { levels_.assign(static_cast<std::size_t>(count > 0 ? count : 0), LevelSatz{}); }
    [[nodiscard]] int count() const { return static_cast<int>(levels_.size()); }
    LevelSatz& operator()(int level) { return levels_[index(level)]; }
    const LevelSatz& operator()(int level) const { return levels_[index(level)]; }

private:
    [[nodiscard]] std::size_t index(int level) const
    {
        if (level < 1 || level > count())
            throw GameError({GRAVOK_TEXT("Meldungen", "Level %1 gibt es in dieser Episode nicht"),
                             {Message::literal(std::to_string(level))}});
        return static_cast<std::size_t>(level - 1);
    }

    std::vector<LevelSatz> levels_;
};

// The program-wide variables shared by all windows. All start at zero.
struct StartModule {
    bool PunkteEintragen = false;
    bool Programmstart = false;
    I16 Richtung;
    I16 Tempo;
    I16 Schaden;
    I16 Episode;
    I16 AnzahlLevel;
    I16 Level;
    LevelTable LevelDaten;
    I16 HerzLevel;
    I16 HerzX;
    I16 HerzY;
    I16 LesePos, LeseKomma, LeseFeld;
};

} // namespace gravok
