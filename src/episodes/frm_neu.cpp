// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "episodes/frm_neu.h"

#include <array>

#include "app/frm_haupt.h"
#include "episodes/episode_laden.h"
#include "info/help.h"
#include "core/words.h"

namespace gravok {
namespace {

const Font OptionFont{"MS Sans Serif", 9.75f};
const Font TitleFont{"MS Sans Serif", 9.75f, true, true};

Control makeOption(std::string name, float top, std::string caption)
{
    Control c = makeControl(ControlKind::OptionButton, std::move(name), 240, top, 1935, 255);
    c.Caption = std::move(caption);
    c.TextFont = OptionFont;
    c.BackTransparent = false;
    return c;
}

} // namespace

FrmNeu::FrmNeu(Game& game) : Form("frmNeu"), game_(game)
{
    buildLayout();
}

void FrmNeu::buildLayout()
{
    Width = 4530;
    Height = 3615;
    ShapeNeu = &add(makeShape("ShapeNeu", ShapeKind::Rectangle, 0, 0, 4545, 3630, palette::White, 10));
    opt1 = &add(makeOption("opt1", 240, GRAVOK_TEXT("frmNeu", "Episode 1:")));
    opt2 = &add(makeOption("opt2", 840, GRAVOK_TEXT("frmNeu", "Episode 2:")));
    opt3 = &add(makeOption("opt3", 1440, GRAVOK_TEXT("frmNeu", "Episode 3:")));
    opt4 = &add(makeOption("opt4", 2040, GRAVOK_TEXT("frmNeu", "Episode 4:")));
    opt1->Value = true;
    lbl1 = &add(makeLabel("lbl1", 480, 480, 3735, 255, "Gravokitenstrum", Align::Left, TitleFont));
    lbl2 = &add(makeLabel("lbl2", 480, 1080, 3735, 255, "Satelliten - Chaos", Align::Left, TitleFont));
    lbl3 = &add(makeLabel("lbl3", 480, 1680, 3735, 255, "Zerstörung der Planeten", Align::Left, TitleFont));
    lbl4 = &add(makeLabel("lbl4", 480, 2280, 3735, 255, "Bunte Planeten!", Align::Left, TitleFont));
    lblOK = &add(makeLabel("lblOK", 1080, 2955, 1095, 255, GRAVOK_TEXT("frmNeu", "OK"), Align::Center));
    Shape1 = &add(makeShape("Shape1", ShapeKind::Oval, 1080, 2760, 1095, 615));
    lblAbbrechen =
        &add(makeLabel("lblAbbrechen", 2520, 2955, 855, 255, GRAVOK_TEXT("frmNeu", "Abbrechen"), Align::Center));
    Shape2 = &add(makeShape("Shape2", ShapeKind::Oval, 2400, 2760, 1095, 615));
}

void FrmNeu::frmNeu_Form_Load()
{
    game_.platform.setBusyCursor(true);
    game_.placeDialog(*this);
    if (game_.Start.Programmstart) {
        lblAbbrechen->Visible = false;
        Shape2->Visible = false;
        lblOK->Left = 1740;
        Shape1->Left = 1740;
    }
    if (game_.Start.Episode == 2) {
        opt1->Value = false;
        opt2->Value = true;
    }
    game_.platform.setBusyCursor(false);
}

void FrmNeu::frmNeu_Form_KeyDown(int keyCode, int /*shift*/)
{
    optionGroupKey(keyCode);
    if (keyCode == key::F1)
        HilfeOeffnen(game_, "Neues Spiel");
    if (keyCode == key::Enter)
        frmNeu_lblOK_Click();
    if (keyCode == key::Escape && !game_.Start.Programmstart)
        frmNeu_lblAbbrechen_Click();
}

void FrmNeu::frmNeu_lblOK_Click()
{
    game_.platform.setBusyCursor(true);
    const std::array<Control*, 4> options = {opt1, opt2, opt3, opt4};
    int n = 1;
    while (n < 4 && !options[static_cast<std::size_t>(n - 1)]->Value)
        ++n;
    // The episode is loaded into a copy first: a broken file leaves the game as it was.
    if (const auto problem = EpisodeLaden(game_, n)) {
        game_.platform.setBusyCursor(false);
        game_.platform.message(*problem);
        return;
    }
    game_.Start.Episode = n;
    resetMainWindow();
    started_ = true;
    Unload();
    game_.platform.setBusyCursor(false);
}

void FrmNeu::resetMainWindow()
{
    FrmHaupt& h = game_.frmHaupt();
    h.imgShuttle->setPicture(1);
    h.imgHerz->Top = -2500;
    h.lblTempo->Caption = "0";
    h.lblP->Caption = "0";
    h.imgShuttle->Top = 3172;
    h.imgShuttle->Left = 4372;
    for (int k = game_.Start.LevelDaten(1).Anzahl + 1; k <= 10; ++k) {
        h.imgGravok(k)->setPicture(0);
        h.imgGravok(k)->Tag = "0";
    }
    for (int i = 0; i <= 9; ++i)
        h.imgSchuss(i)->Top = -250;
    // An explosion of the old game must not go on with the new game's gravoks.
    for (int k = 1; k <= 10; ++k)
        h.ExplosionsPhase(k) = 0;
    for (int i = 0; i <= 17; ++i)
        h.spe(i)->Visible = false;
    h.Tag = "0";
}

// Cancel leaves the main window's Tag alone, so a running game can still be paused with P.
void FrmNeu::frmNeu_lblAbbrechen_Click()
{
    Unload();
}

void FrmNeu::mouseDown(Control& control)
{
    if (&control == lblOK || &control == lblAbbrechen)
        control.ForeColor = palette::LightBlue;
}

void FrmNeu::mouseUp(Control& control)
{
    if (&control == lblOK || &control == lblAbbrechen)
        control.ForeColor = palette::White;
}

void FrmNeu::click(Control& control)
{
    if (&control == lblOK)
        frmNeu_lblOK_Click();
    else if (&control == lblAbbrechen)
        frmNeu_lblAbbrechen_Click();
    // A title selects its episode, the fourth included.
    else if (&control == lbl1)
        selectOption(*opt1);
    else if (&control == lbl2)
        selectOption(*opt2);
    else if (&control == lbl3)
        selectOption(*opt3);
    else if (&control == lbl4)
        selectOption(*opt4);
}

} // namespace gravok
