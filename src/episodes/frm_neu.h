// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "app/game.h"
#include "core/form.h"

namespace gravok {

// The new-game dialog: choose one of the four episodes.
class FrmNeu : public Form {
public:
    explicit FrmNeu(Game& game);

    Control* ShapeNeu;
    Control* opt1;
    Control* opt2;
    Control* opt3;
    Control* opt4;
    Control* lbl1;
    Control* lbl2;
    Control* lbl3;
    Control* lbl4;
    Control* lblOK;
    Control* Shape1;
    Control* lblAbbrechen;
    Control* Shape2;

    void frmNeu_Form_Load();
    void frmNeu_Form_KeyDown(int keyCode, int shift);
    void frmNeu_lblOK_Click();
    void frmNeu_lblAbbrechen_Click();

    // Whether OK started a new game during this showing.
    [[nodiscard]] bool gameStarted() const { return started_; }

    void load() override { frmNeu_Form_Load(); }
    void keyDown(int keyCode, int shift) override { frmNeu_Form_KeyDown(keyCode, shift); }
    void mouseDown(Control& control) override;
    void mouseUp(Control& control) override;
    void click(Control& control) override;

private:
    void buildLayout();
    void resetMainWindow();
    Game& game_;
    bool started_ = false;
};

} // namespace gravok
