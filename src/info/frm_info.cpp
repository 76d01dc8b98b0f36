// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "info/frm_info.h"

#include "info/contact.h"
#include "info/help.h"
#include "core/words.h"

namespace gravok {
namespace {

Control makeLine(std::string name, float top, float height, std::string caption, Font font,
                 Color color = palette::White, int index = -1)
{
    return makeLabel(std::move(name), 240, top, 4935, height, std::move(caption), Align::Center, std::move(font), color,
                     index);
}

} // namespace

FrmInfo::FrmInfo(Game& game) : Form("frmInfo"), game_(game)
{
    buildLayout();
}

// The built-in maker's lines, for the catalogue; a packager's own pass unchanged.
[[maybe_unused]] constexpr const char* BuiltInContact[] = {
    GRAVOK_TEXT("frmInfo", "Das Gravok-Team"),
    GRAVOK_TEXT("frmInfo", "Copyright (C) 2026 Das Gravok-Team"),
    GRAVOK_TEXT("frmInfo", "Sternenweg 1"),
    GRAVOK_TEXT("frmInfo", "12345 Musterstadt"),
    GRAVOK_TEXT("frmInfo", "Gravok ist freie Software: Sie dürfen es unter der GNU General Public License, "
                           "Version 3 oder später, weitergeben und verändern."),
    GRAVOK_TEXT("frmInfo", "Für dieses Spiel gibt es keinerlei Garantie, soweit das Gesetz es zulässt."),
};

void FrmInfo::buildLayout()
{
    Width = 5415;
    Height = 7470;
    ShapeInfo = &add(makeShape("ShapeInfo", ShapeKind::Rectangle, 0, 0, 5430, 7490, palette::White, 10));
    lblGravok = &add(makeLine("lblGravok", 240, 375, "Gravok", Font{"Arial", 20.25f, true}, 0x008000));
    lblVersion = &add(makeLine("lblVersion", 720, 255, GRAVOK_TEXT("frmInfo", "Version "), Font{}));
    lblVon = &add(makeLine("lblVon", 960, 255, GRAVOK_TEXT("frmInfo", "von"), Font{"MS Sans Serif", 12}));
    lblAutor = &add(makeLine("lblAutor", 1200, 375, contact::Maker, Font{"Arial", 14.25f}, 0x00C000));
    lblCopyright = &add(makeLine("lblCopyright", 1560, 375, contact::Copyright, Font{"Arial", 9.75f}, 0x00FF00));
    const Font link{"Arial", 12, false, false, true};
    lbl(1) = &add(makeLine("lbl", 2040, 375, contact::Web, link, palette::LightBlue, 1));
    lbl(2) = &add(makeLine("lbl", 2400, 375, contact::Mail, link, palette::LightBlue, 2));
    lbl(1)->HandCursor = true;
    const Font body{"Arial", 12};
    lbl(3) =
        &add(makeLine("lbl", 2760, 255, GRAVOK_TEXT("frmInfo", "Oder schreiben sie mir:"), body, palette::White, 3));
    lbl(4) = &add(makeLine("lbl", 3000, 255, contact::Address1, body, palette::White, 4));
    lbl(5) = &add(makeLine("lbl", 3240, 255, contact::Address2, body, palette::White, 5));
    lbl(6) = &add(makeLine("lbl", 3480, 255, contact::Address3, body, palette::White, 6));
    lbl(7) =
        &add(makeLine("lbl", 3840, 615, GRAVOK_TEXT("frmInfo", "Ich freue mich auf ihre Kommentare und Anregungen."),
                      Font{"MS Sans Serif", 12}, palette::White, 7));
    lbl(25) = &add(makeLine("lbl", 4680, 855, contact::Notice1, Font{}, palette::White, 25));
    lbl(26) = &add(makeLine("lbl", 5640, 855, contact::Notice2, Font{}, palette::White, 26));
    lblOK = &add(makeLabel("lblOK", 2400, 6795, 615, 255, GRAVOK_TEXT("frmInfo", "OK"), Align::Center));
    Shape1 = &add(makeShape("Shape1", ShapeKind::Circle, 2400, 6600, 615, 615));
}

void FrmInfo::frmInfo_Form_Load()
{
    game_.platform.setBusyCursor(true);
    lbl(2)->HandCursor = lbl(1)->HandCursor;
    game_.placeDialog(*this);
    lblVersion->Caption += versionText();
    game_.platform.setBusyCursor(false);
}

std::string FrmInfo::versionText()
{
    return std::to_string(GRAVOK_VERSION_MAJOR) + "." + std::to_string(GRAVOK_VERSION_MINOR);
}

std::string FrmInfo::mailLink()
{
    return std::string("mailto:") + contact::Mail + "?Subject=Gravok v" + versionText();
}

void FrmInfo::frmInfo_Form_KeyDown(int keyCode, int /*shift*/)
{
    if (keyCode == key::F1)
        HilfeOeffnen(game_, "Info");
    if (keyCode == key::Enter || keyCode == key::Escape)
        Unload();
}

// The desktop's handler opens the link; whether it could is not the dialog's concern.
void FrmInfo::frmInfo_lbl_Click(int index)
{
    if (index == 1)
        game_.platform.openUrl(contact::Web);
    else if (index == 2)
        game_.platform.openUrl(mailLink());
}

void FrmInfo::frmInfo_lbl_MouseDown(int index)
{
    if (index == 1 || index == 2)
        lbl(index)->ForeColor = palette::DarkRed;
}

void FrmInfo::frmInfo_lbl_MouseUp(int index)
{
    if (index == 1 || index == 2)
        lbl(index)->ForeColor = palette::LightBlue;
}

void FrmInfo::frmInfo_lblOK_Click()
{
    Unload();
}

void FrmInfo::frmInfo_lblOK_MouseDown()
{
    lblOK->ForeColor = palette::LightBlue;
}

void FrmInfo::frmInfo_lblOK_MouseUp()
{
    lblOK->ForeColor = palette::White;
}

int FrmInfo::lblIndex(const Control& control) const
{
    const bool inArray = control.Name == "lbl" && lbl.contains(control.Index) && lbl(control.Index) == &control;
    return inArray ? control.Index : 0;
}

void FrmInfo::mouseDown(Control& control)
{
    if (const int index = lblIndex(control))
        frmInfo_lbl_MouseDown(index);
    else if (&control == lblOK)
        frmInfo_lblOK_MouseDown();
}

void FrmInfo::mouseUp(Control& control)
{
    if (const int index = lblIndex(control))
        frmInfo_lbl_MouseUp(index);
    else if (&control == lblOK)
        frmInfo_lblOK_MouseUp();
}

void FrmInfo::click(Control& control)
{
    if (const int index = lblIndex(control))
        frmInfo_lbl_Click(index);
    else if (&control == lblOK)
        frmInfo_lblOK_Click();
}

} // namespace gravok
