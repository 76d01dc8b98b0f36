#include "scores/frm_punkte.h"

namespace gravok {

FrmPunkte::FrmPunkte(Game& game) : Form("frmPunkte"), game_(game)
{
    Width = 5670;
    Height = 4485;
    ShapePunkte = &add(makeShape("ShapePunkte", ShapeKind::Rectangle, 0, 0, 5680, 4500, palette::White, 10));
    lblEP = &add(makeLabel("lblEP", 240, 240, 1335, 255, "Erreichte Punkte:"));
    Control list = makeControl(ControlKind::ListBox, "Liste", 240, 480, 5175, 2760);
    list.TextFont = Font{"Courier New", 12};
    list.BackTransparent = false;
    Liste = &add(std::move(list));
    lblOK = &add(makeLabel("lblOK", 2520, 3795, 615, 255, "OK", Align::Center));
    Shape1 = &add(makeShape("Shape1", ShapeKind::Circle, 2520, 3600, 615, 615));
}

void FrmPunkte::frmPunkte_Form_Load()
{
    game_.placeDialog(*this);
}

void FrmPunkte::frmPunkte_Form_KeyDown(int keyCode, int /*shift*/)
{
    if (keyCode == key::Enter || keyCode == key::Escape)
        Unload();
}

void FrmPunkte::click(Control& control)
{
    if (&control == lblOK)
        Unload();
}

} // namespace gravok
