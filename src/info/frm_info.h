#pragma once
#include "app/game.h"
#include "core/form.h"
#include "core/vbarray.h"

namespace gravok {

// The about dialog.
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

    void load() override { frmInfo_Form_Load(); }
    void keyDown(int keyCode, int shift) override { frmInfo_Form_KeyDown(keyCode, shift); }
    void click(Control& control) override;

private:
    void buildLayout();
    Game& game_;
};

} // namespace gravok
