#pragma once
#include "app/game.h"
#include "core/form.h"

namespace gravok {

// The high-score dialog.
class FrmPunkte : public Form {
public:
    explicit FrmPunkte(Game& game);

    Control* ShapePunkte;
    Control* lblEP;
    Control* Liste;
    Control* lblOK;
    Control* Shape1;

    void frmPunkte_Form_Load();
    void frmPunkte_Form_KeyDown(int keyCode, int shift);

    void load() override { frmPunkte_Form_Load(); }
    void keyDown(int keyCode, int shift) override { frmPunkte_Form_KeyDown(keyCode, shift); }
    void click(Control& control) override;

private:
    Game& game_;
};

} // namespace gravok
