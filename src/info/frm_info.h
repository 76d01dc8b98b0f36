// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "app/game.h"
#include "core/form.h"
#include "core/vbarray.h"

namespace gravok {

// The about dialog: version, the maker's contact and two links.
class FrmInfo : public Form {
public:
    explicit FrmInfo(Game& game);

    Control* ShapeInfo;
    Control* lblGravok;
    Control* lblVersion;
    Control* lblVon;
    Control* lblAutor;
    Control* lblCopyright;
    VbArray<Control*, 1, 26> lbl; // elements 1..7, 25 and 26
    Control* lblOK;
    Control* Shape1;

    void frmInfo_Form_Load();
    void frmInfo_Form_KeyDown(int keyCode, int shift);
    void frmInfo_lbl_Click(int index);
    void frmInfo_lbl_MouseDown(int index);
    void frmInfo_lbl_MouseUp(int index);
    void frmInfo_lblOK_Click();
    void frmInfo_lblOK_MouseDown();
    void frmInfo_lblOK_MouseUp();

    void load() override { frmInfo_Form_Load(); }
    void keyDown(int keyCode, int shift) override { frmInfo_Form_KeyDown(keyCode, shift); }
    void mouseDown(Control& control) override;
    void mouseUp(Control& control) override;
    void click(Control& control) override;

    // "1.5": the build's version, major and minor without leading zeros.
    [[nodiscard]] static std::string versionText();
    [[nodiscard]] static std::string mailLink();

private:
    void buildLayout();
    // The index of a label of the lbl array, 0 for any other control.
    [[nodiscard]] int lblIndex(const Control& control) const;
    Game& game_;
};

} // namespace gravok
