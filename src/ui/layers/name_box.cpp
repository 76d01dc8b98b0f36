// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/layers/name_box.h"

#include <algorithm>
#include <cmath>

#include <QFontMetricsF>

#include "core/pictures.h"
#include "ui/host/game_host.h"
#include "ui/input/key_map.h"
#include "ui/input/key_router.h"
#include "ui/layers/dialog_style.h"
#include "ui/view/fonts.h"
#include "ui/view/form_view.h"

namespace gravok::ui {

using dialog::BoxFont, dialog::HintFont, dialog::TitleFont;

NameBoxForm::NameBoxForm(const std::string& prompt, const std::string& title) : Form("NameBox")
{
    Width = 4530;
    Height = 2430;
    Caption = title;
    ShapeRand = dialog::addBorder(*this);
    lblTitel = &add(makeLabel("lblTitel", 240, 210, 4050, 255, title, Align::Center, TitleFont));
    lblFrage = &add(makeLabel("lblFrage", 240, 570, 4050, 255, prompt, Align::Left, BoxFont));
    ShapeFeld = &add(makeShape("ShapeFeld", ShapeKind::Rectangle, 240, 915, 4050, 375));
    lblText = &add(makeLabel("lblText", 330, 975, 3870, 255, "", Align::Left, BoxFont));
    Control caret = makeShape("ShapeCaret", ShapeKind::Rectangle, 330, 975, 30, 240);
    caret.Filled = true;
    ShapeCaret = &add(std::move(caret));
    lblOK = &add(makeLabel("lblOK", 1080, 1755, 1095, 255, QT_TRANSLATE_NOOP("NameBox", "OK"), Align::Center));
    Shape1 = &add(makeShape("Shape1", ShapeKind::Oval, 1080, 1560, 1095, 615));
    lblAbbrechen =
        &add(makeLabel("lblAbbrechen", 2520, 1755, 855, 255, QT_TRANSLATE_NOOP("NameBox", "Abbrechen"), Align::Center));
    Shape2 = &add(makeShape("Shape2", ShapeKind::Oval, 2400, 1560, 1095, 615));
    lblPad = &add(makeLabel("lblPad", 240, 1320, 4050, 225,
                            QT_TRANSLATE_NOOP("NameBox", "↑↓ Zeichen   ←→ Stelle   A nimmt   B löscht   Start fertig"),
                            Align::Center, HintFont));
    lblPad->Visible = false;
    caretAsTyped_ = *ShapeCaret;
    setText({});
}

void NameBoxForm::placeOver(const Form& main)
{
    constexpr float BelowMessage = 4560; // twips from the main window's top
    Left = main.Left + (main.Width - Width) / 2;
    Top = main.Top + BelowMessage;
}

void NameBoxForm::setText(const QString& text)
{
    text_ = text;
    lblText->Caption = text_.toStdString();
    const double width = QFontMetricsF(qtFont(lblText->TextFont)).horizontalAdvance(text_);
    const float right = lblText->Left + lblText->Width - ShapeCaret->Width;
    ShapeCaret->Left = std::min(right, lblText->Left + static_cast<float>(std::ceil(width + 1)) * TwipsPerPixel);
}

void NameBoxForm::showPicker(const LetterPicker* picker)
{
    lblPad->Visible = picker != nullptr;
    lblOK->Caption = picker ? QT_TRANSLATE_NOOP("NameBox", "Fertig") : QT_TRANSLATE_NOOP("NameBox", "OK");
    lblOK->ForeColor = dialog::textColour(picker && picker->onDone());
    Shape1->BorderWidth = picker && picker->onDone() ? 2 : 1;
    const Control typed = caretAsTyped_;
    ShapeCaret->Filled = typed.Filled;
    ShapeCaret->Top = typed.Top;
    ShapeCaret->Height = typed.Height;
    ShapeCaret->Width = typed.Width;
    ShapeCaret->Visible = true;
    if (!picker)
        return;
    // The offered letter stands at the open place, underlined, as the letter it would become.
    QString shown = text_;
    if (picker->place() == picker->text().size() && !picker->onDone())
        shown += QString::fromStdU32String(std::u32string(1, picker->shown()));
    lblText->Caption = shown.toStdString();
    ShapeCaret->Visible = !picker->onDone();
    if (picker->onDone())
        return;
    // Measured large: small sizes round each glyph, and the window may be drawn at any scale.
    constexpr double Large = 8;
    const QFontMetricsF metrics(qtFont(lblText->TextFont, Large));
    const std::u32string all = shown.toStdU32String();
    const double before = metrics.horizontalAdvance(QString::fromStdU32String(all.substr(0, picker->place()))) / Large;
    const QString letter = QString::fromStdU32String(all.substr(picker->place(), 1));
    const double width =
        std::max(metrics.horizontalAdvance(letter), metrics.horizontalAdvance(QStringLiteral("M"))) / Large;
    // Underlined, not ringed: a ring would cut into the letters beside it.
    ShapeCaret->Left = lblText->Left + static_cast<float>(before) * TwipsPerPixel;
    ShapeCaret->Width = static_cast<float>(width) * TwipsPerPixel;
    ShapeCaret->Top = lblText->Top + lblText->Height;
    ShapeCaret->Height = 2 * TwipsPerPixel;
}

std::optional<std::string> NameBoxForm::answer() const
{
    if (!accepted_)
        return std::nullopt;
    return text_.toStdString();
}

void NameBoxForm::keyDown(int keyCode, int /*shift*/)
{
    if (keyCode == key::Enter) {
        accepted_ = true;
        Unload();
    }
    if (keyCode == key::Escape)
        Unload();
}

void NameBoxForm::mouseDown(Control& control)
{
    if (&control == lblOK || &control == lblAbbrechen)
        control.ForeColor = dialog::textColour(true);
}

void NameBoxForm::mouseUp(Control& control)
{
    if (&control == lblOK || &control == lblAbbrechen)
        control.ForeColor = dialog::textColour(false);
}

void NameBoxForm::click(Control& control)
{
    if (&control == lblOK)
        keyDown(key::Enter, 0);
    else if (&control == lblAbbrechen)
        keyDown(key::Escape, 0);
}

NameLayer::NameLayer(GameHost& host, NameBoxForm& box, FormView& main) : Layer(host, box, main), box_(box)
{
    // The game was flown with the pad: the box opens with the picker.
    if (host.lastFromPad()) {
        picking_ = true;
        box_.showPicker(&picker_);
    }
}

bool NameLayer::pickKey(const KeyPress& press)
{
    if (!picking_) {
        // Back from the keyboard: the picker takes what was typed and goes to its end.
        picking_ = true;
        picker_.setText(box_.text().toStdU32String());
        while (picker_.place() < picker_.text().size())
            picker_.right();
    }
    bool enter = false;
    switch (press.key) {
    case Qt::Key_Up: picker_.up(); break;
    case Qt::Key_Down: picker_.down(); break;
    case Qt::Key_Left: picker_.left(); break;
    case Qt::Key_Right: picker_.right(); break;
    case Qt::Key_Escape: picker_.erase(); break;
    case Qt::Key_Return:
    case Qt::Key_Enter: enter = host_.lastPadButton() == pad::Button::Start || picker_.take(); break;
    default: break;
    }
    box_.setText(QString::fromStdU32String(picker_.text()));
    box_.showPicker(&picker_);
    if (enter)
        box_.keyDown(key::Enter, 0);
    return true;
}

bool NameLayer::takeKey(const KeyPress& press)
{
    if (host_.lastFromPad())
        return pickKey(press);
    if (picking_) {
        picking_ = false;
        box_.showPicker(nullptr);
        box_.setText(box_.text());
    }
    if (press.key == Qt::Key_Return || press.key == Qt::Key_Enter || press.key == Qt::Key_Escape) {
        box_.keyDown(*virtualKey(press.key), 0);
        return true;
    }
    if (press.key == Qt::Key_Backspace) {
        QString text = box_.text();
        // A character outside the basic plane is two code units; take both.
        text.chop(text.size() >= 2 && text.back().isLowSurrogate() ? 2 : 1);
        box_.setText(text);
        return true;
    }
    // The box has the keyboard: no key reaches the window beneath it.
    if (press.modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return true;
    QString typed;
    for (const QChar ch : press.text)
        if (ch.isPrint() || ch.isSurrogate())
            typed += ch;
    if (!typed.isEmpty())
        box_.setText((box_.text() + typed).left(MaxLength));
    return true;
}

} // namespace gravok::ui
