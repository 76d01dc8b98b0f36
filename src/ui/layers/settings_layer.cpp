// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/layers/settings_layer.h"

#include <algorithm>

#include <QString>

#include "app/frm_haupt.h"
#include "app/game.h"
#include "ui/host/game_host.h"
#include "ui/input/key_map.h"
#include "ui/input/key_router.h"
#include "ui/layers/dialog_style.h"
#include "ui/view/form_view.h"

namespace gravok::ui {
namespace {

using dialog::BoxFont, dialog::TitleFont;

constexpr float FormWidth = 6600, FormHeight = 5850;
constexpr float RowTop = 780, RowStep = 450, KeyTop = 900, KeyStep = 300;
constexpr float BarLeft = 3300, BarWidth = 2100;

// The D-pad's directions in German; the buttons keep the names printed on them.
std::string padName(pad::Button b)
{
    switch (b) {
    case pad::Button::Up: return QT_TRANSLATE_NOOP("Einstellungen", "Kreuz hoch");
    case pad::Button::Down: return QT_TRANSLATE_NOOP("Einstellungen", "Kreuz runter");
    case pad::Button::Left: return QT_TRANSLATE_NOOP("Einstellungen", "Kreuz links");
    case pad::Button::Right: return QT_TRANSLATE_NOOP("Einstellungen", "Kreuz rechts");
    default: return bind::buttonId(b);
    }
}

std::string onOff(int v)
{
    return v ? QT_TRANSLATE_NOOP("Einstellungen", "an") : QT_TRANSLATE_NOOP("Einstellungen", "aus");
}

// A label and the ring round it, as the game's dialogs have them.
Control* ringed(Form& form, const char* name, const char* caption, float left, float width)
{
    Control* label = &form.add(makeLabel(name, left, FormHeight - 675, width, 255, caption, Align::Center, BoxFont));
    label->HandCursor = true;
    form.add(makeShape(std::string(name) + "Ring", ShapeKind::Oval, left, FormHeight - 870, width, 615));
    return label;
}

} // namespace

SettingsForm::SettingsForm(const std::vector<SettingRow>& rows) : Form("Einstellungen")
{
    Width = FormWidth;
    Height = FormHeight;
    Caption = QT_TRANSLATE_NOOP("Einstellungen", "Einstellungen");
    ShapeRand = dialog::addBorder(*this);
    lblTitel = &add(makeLabel("lblTitel", 240, 210, Width - 480, 255,
                              QT_TRANSLATE_NOOP("Einstellungen", "Einstellungen"), Align::Center, TitleFont));
    const int n = static_cast<int>(rows.size());
    const auto rowTop = [](int i) { return RowTop + static_cast<float>(i) * RowStep; };
    for (int i = 0; i <= n; ++i) {
        const std::string& name = i < n ? rows[i].name : QT_TRANSLATE_NOOP("Einstellungen", "Tasten …");
        lblName.push_back(
            &add(makeLabel("lblName", 600, rowTop(i), 2600, 255, name, Align::Left, BoxFont, palette::White, i)));
        lblName.back()->HandCursor = true;
    }
    for (const SettingRow& row : rows)
        choices_.push_back(row.choices);
    for (int i = 0; i < n; ++i) {
        lblWert.push_back(&add(makeLabel("lblWert", BarLeft, rowTop(i), Width - BarLeft - 600, 255, "",
                                         rows[i].isNumber() ? Align::Right : Align::Left, BoxFont, palette::White, i)));
        lblWert.back()->HandCursor = true;
    }
    for (int i = 0; i < n; ++i) {
        if (!rows[i].isNumber()) {
            ShapeBalken.push_back(nullptr);
            ShapeFuellung.push_back(nullptr);
            continue;
        }
        ShapeBalken.push_back(
            &add(makeShape("ShapeBalken", ShapeKind::Rectangle, BarLeft, rowTop(i) + 15, BarWidth, 225)));
        Control bar = makeShape("ShapeFuellung", ShapeKind::Rectangle, BarLeft, rowTop(i) + 15, BarWidth, 225);
        bar.Filled = true;
        ShapeFuellung.push_back(&add(std::move(bar)));
    }
    lblKopf = &add(makeLabel("lblKopf", 600, 540, 2100, 255, QT_TRANSLATE_NOOP("Einstellungen", "Aktion"), Align::Left,
                             TitleFont));
    lblKopfTaste = &add(makeLabel("lblKopfTaste", 2800, 540, 1900, 255, QT_TRANSLATE_NOOP("Einstellungen", "Taste"),
                                  Align::Left, TitleFont));
    lblKopfPad = &add(makeLabel("lblKopfPad", 4800, 540, 1200, 255, QT_TRANSLATE_NOOP("Einstellungen", "Pad"),
                                Align::Left, TitleFont));
    for (std::size_t i = 0; i < bind::ActionCount; ++i) {
        const float top = KeyTop + static_cast<float>(i) * KeyStep;
        const int n = static_cast<int>(i);
        lblAktion[i] = &add(makeLabel("lblAktion", 600, top, 2100, 255, bind::actions()[i].name, Align::Left, BoxFont,
                                      palette::White, n));
        lblAktion[i]->HandCursor = true;
        lblTaste[i] = &add(makeLabel("lblTaste", 2800, top, 1900, 255, "", Align::Left, BoxFont, palette::White, n));
        lblPad[i] = &add(makeLabel("lblPad", 4800, top, 1200, 255, "", Align::Left, BoxFont, palette::White, n));
    }
    lblOK = ringed(*this, "lblOK", QT_TRANSLATE_NOOP("Einstellungen", "OK"), (Width - 1095) / 2, 1095);
    lblStandard = ringed(*this, "lblStandard", QT_TRANSLATE_NOOP("Einstellungen", "Standard"), 1500, 1395);
    lblZurueck = ringed(*this, "lblZurueck", QT_TRANSLATE_NOOP("Einstellungen", "Zurück"), Width - 1500 - 1395, 1395);
}

void SettingsForm::show(bool keysPage, int selected, const std::vector<int>& values, const bind::Bindings& bindings,
                        bool waiting)
{
    for (const auto& c : controls())
        c->Visible = c.get() == ShapeRand || c.get() == lblTitel;
    const int keyLines = static_cast<int>(bind::ActionCount);
    const auto light = [selected](Control* c, int line) {
        c->Visible = true;
        c->ForeColor = dialog::textColour(line == selected);
    };
    const auto ring = [this](Control* label) {
        label->Visible = true;
        find(label->Name + "Ring")->Visible = true;
    };
    if (!keysPage) {
        lblTitel->Caption = QT_TRANSLATE_NOOP("Einstellungen", "Einstellungen");
        for (int i = 0; i <= rows(); ++i)
            light(lblName[i], i);
        for (int i = 0; i < rows(); ++i) {
            light(lblWert[i], i);
            if (!choices_[i].empty()) {
                lblWert[i]->Caption =
                    choices_[i][static_cast<std::size_t>(std::clamp(values[i], 0, int(choices_[i].size()) - 1))];
                continue;
            }
            if (!ShapeBalken[i]) {
                lblWert[i]->Caption = onOff(values[i]);
                continue;
            }
            lblWert[i]->Caption = std::to_string(values[i]) + " %";
            ShapeBalken[i]->Visible = true;
            ShapeFuellung[i]->Visible = values[i] > 0;
            ShapeFuellung[i]->Width = BarWidth * static_cast<float>(values[i]) / 100;
        }
        ring(lblOK);
        lblOK->ForeColor = dialog::textColour(selected == rows() + 1);
        return;
    }
    lblTitel->Caption = QT_TRANSLATE_NOOP("Einstellungen", "Tasten");
    lblKopf->Visible = lblKopfTaste->Visible = lblKopfPad->Visible = true;
    for (std::size_t i = 0; i < bind::ActionCount; ++i) {
        const int n = static_cast<int>(i);
        const bind::Action a = bind::actions()[i].action;
        light(lblAktion[i], n);
        light(lblTaste[i], n);
        light(lblPad[i], n);
        lblTaste[i]->Caption = waiting && n == selected ? QT_TRANSLATE_NOOP("Einstellungen", "Taste drücken …")
                                                        : keyName(bindings.key(a)).toStdString();
        const auto button = bindings.button(a);
        lblPad[i]->Caption = waiting && n == selected ? "" : button ? padName(*button) : "–";
    }
    ring(lblStandard);
    ring(lblZurueck);
    lblStandard->ForeColor = dialog::textColour(selected == keyLines);
    lblZurueck->ForeColor = dialog::textColour(selected == keyLines + 1);
}

SettingsLayer::SettingsLayer(GameHost& host, SettingsForm& form, FormView& main, std::vector<SettingRow> rows)
    : Layer(host, form, main), form_(form), rows_(std::move(rows))
{
    // The settings are no input of the game: clicks go to the form, not through the door.
    view().setDoor(nullptr);
    form_.onClick = [this](Control& c) { clicked(c); };
    redraw();
}

// The lines one moves through: the rows and "Tasten …", then "OK"; on the keys page the
// actions, then "Standard" and "Zurück".
int SettingsLayer::lines() const
{
    return keysPage_ ? static_cast<int>(bind::ActionCount) + 2 : form_.rows() + 2;
}

void SettingsLayer::redraw()
{
    std::vector<int> values;
    values.reserve(rows_.size());
    for (const SettingRow& row : rows_)
        values.push_back(row.get());
    form_.show(keysPage_, selected_, values, host_.bindings(), waiting_);
}

void SettingsLayer::move(int by)
{
    selected_ = (selected_ + by + lines()) % lines();
}

void SettingsLayer::change(int by, bool wrap)
{
    if (keysPage_ || selected_ >= form_.rows())
        return;
    SettingRow& row = rows_[selected_];
    const int span = row.max - row.min + row.step;
    const int next = row.get() + by * row.step - row.min;
    // A switch flips either way; a number stops at its ends under the arrows, so a key held
    // at full volume never drops to silence, and only Enter or a click comes round to the start.
    row.set(row.min + (!row.isNumber() || wrap ? (next + span) % span : std::clamp(next, 0, row.max - row.min)));
}

void SettingsLayer::wait(bool on)
{
    waiting_ = on;
    if (waitingForButton)
        waitingForButton(on);
}

void SettingsLayer::activate()
{
    const int actions = static_cast<int>(bind::ActionCount);
    if (!keysPage_) {
        if (selected_ < form_.rows())
            change(+1, true);
        else if (selected_ == form_.rows())
            keysPage_ = true, selected_ = 0;
        else
            form_.Unload();
    } else if (selected_ < actions) {
        wait(true);
    } else if (selected_ == actions) {
        host_.bindings().reset();
        if (bindingsChanged)
            bindingsChanged();
    } else {
        keysPage_ = false;
        selected_ = form_.rows();
    }
}

bool SettingsLayer::takeKey(const KeyPress& press)
{
    const auto code = virtualKey(press.key);
    if (waiting_) {
        if (press.key == Qt::Key_Escape) {
            wait(false);
        } else if (code && host_.bindings().bindKey(bind::actions()[selected_].action, *code)) {
            wait(false);
            if (bindingsChanged)
                bindingsChanged();
        }
        redraw();
        return true;
    }
    switch (press.key) {
    case Qt::Key_Up: move(-1); break;
    case Qt::Key_Down: move(+1); break;
    case Qt::Key_Left: change(-1); break;
    case Qt::Key_Right: change(+1); break;
    case Qt::Key_Return:
    case Qt::Key_Enter: activate(); break;
    case Qt::Key_F3: form_.Unload(); break;
    case Qt::Key_Escape:
        if (keysPage_)
            keysPage_ = false, selected_ = form_.rows();
        else
            form_.Unload();
        break;
    default:
        if (code && host_.bindings().actionOfKey(*code) == bind::Action::Help && help)
            help();
    }
    redraw();
    return true;
}

void SettingsLayer::padButton(pad::Button button)
{
    if (!waiting_)
        return;
    if (button == pad::Button::B) {
        wait(false);
    } else if (host_.bindings().bindButton(bind::actions()[selected_].action, button)) {
        wait(false);
        if (bindingsChanged)
            bindingsChanged();
    }
    redraw();
    host_.refresh();
}

void SettingsLayer::clicked(Control& c)
{
    if (waiting_)
        return;
    if (&c == form_.lblOK) {
        form_.Unload();
        return;
    }
    if (&c == form_.lblStandard)
        selected_ = static_cast<int>(bind::ActionCount);
    else if (&c == form_.lblZurueck)
        selected_ = static_cast<int>(bind::ActionCount) + 1;
    else if (c.Index >= 0)
        selected_ = c.Index;
    else
        return;
    activate();
    redraw();
}

void runSettings(GameHost& host, SettingsLayer& layer)
{
    Game& game = host.game();
    FrmHaupt& haupt = game.frmHaupt();
    const bool pause = haupt.Pausiert == 0 && haupt.pauseKeyWorks();
    if (pause)
        host.door().key(key::P);
    const ClockHold hold(&game.clock);
    host.runLayer(layer);
    if (pause && haupt.Pausiert != 0)
        host.door().key(key::P);
}

} // namespace gravok::ui
