// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frm_haupt.h"

#include <array>
#include <cmath>

#include "core/numbers.h"
#include "episodes/frm_neu.h"
#include "scores/frm_punkte.h"
#include "core/words.h"

namespace gravok {

FrmHaupt::FrmHaupt(Game& game) : Form("frmHaupt"), game_(game)
{
    buildLayout();
    startTimers();
}

void FrmHaupt::startTimers()
{
    // The order of these lines is the order the clock fires timers that fall due together.
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

void FrmHaupt::copyStateFrom(const FrmHaupt& other)
{
    static_cast<FrmHauptVariablen&>(*this) = other;
    Left = other.Left;
    Top = other.Top;
    Width = other.Width;
    Height = other.Height;
    Tag = other.Tag;
    Caption = other.Caption;
    BackColor = other.BackColor;
    const auto& mine = controls();
    const auto& theirs = other.controls();
    for (std::size_t i = 0; i < mine.size() && i < theirs.size(); ++i) {
        Control& c = *mine[i];
        Control* const container = c.Container; // ours, not the other window's
        c = *theirs[i];
        c.Container = container;
    }
}

bool FrmHaupt::pauseKeyWorks() const
{
    return numberOf(Tag) == 0;
}

bool FrmHaupt::shotsWork() const
{
    return pauseKeyWorks() && Pausiert == 0;
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
        lblAnzeige->Caption = GRAVOK_TEXT("frmHaupt", "Pause!");
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

// Puts the gravoks of a level on the field. The level change counts the slots with the
// window's Zaehler2, the episode load with a counter of its own.
void FrmHaupt::startLevel(int l, I16& k)
{
    LevelSatz& level = game_.Start.LevelDaten(l);
    const int n = level.Anzahl;
    for (k = 1; k <= n; ++k) {
        const GravokSatz& g = level.Gravok(k);
        Control& img = *imgGravok(k);
        img.setPicture(g.Bild);
        img.Tag = "1";
        img.Left = static_cast<float>(g.X);
        img.Top = static_cast<float>(g.Y);
    }
}

// Leaving the field on one side brings an object back on the other.
void FrmHaupt::wrap(Control& c)
{
    const Control& f = *fraHintergrund;
    if (c.Top > f.Height)
        c.Top = -c.Height;
    if (c.Left > f.Width)
        c.Left = -c.Width;
    if (c.Top + c.Height < 0)
        c.Top = f.Height;
    if (c.Left + c.Width < 0)
        c.Left = f.Width;
}

int FrmHaupt::drawInt(int n)
{
    return static_cast<int>(std::floor(game_.random.next() * n));
}

I16 FrmHaupt::drawSign()
{
    int v = 0;
    while (v == 0)
        v = drawInt(3) - 1;
    return v;
}

// Game over and a completed episode end alike: stopped, the word shown, the score taken.
void FrmHaupt::endGame(const char* words)
{
    PauseUmschalten();
    lblAnzeige->Caption = words;
    game_.platform.playSound(std::string(words) == "Game over!" ? "gameover" : "done");
    game_.Start.PunkteEintragen = true;
    FrmPunkte punkte(game_);
    game_.showModal(punkte);
    game_.Start.PunkteEintragen = false;
    Tag = "1";
}

} // namespace gravok
