// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>

#include <QString>

#include "core/form.h"
#include "core/letter_picker.h"
#include "ui/layers/layer.h"

namespace gravok::ui {

// The game's input box, in the style of its own dialogs: a black box with a white
// border, the title, the prompt, a framed field and "OK" and "Abbrechen" in rings.
// Enter is OK, Escape is "Abbrechen".
class NameBoxForm : public Form {
public:
    NameBoxForm(const std::string& prompt, const std::string& title);

    Control* ShapeRand;
    Control* lblTitel;
    Control* lblFrage;
    Control* ShapeFeld;
    Control* lblText;
    Control* ShapeCaret;
    Control* lblOK;
    Control* Shape1;
    Control* lblAbbrechen;
    Control* Shape2;
    Control* lblPad;

    // Centred across the main window, in the lower half of its field: the big message
    // ("Game over!", "Geschafft!") above it stays readable while the name is typed.
    void placeOver(const Form& main);

    // The text typed so far, shown in the field with the caret behind it: the field has
    // the keyboard.
    void setText(const QString& text);
    [[nodiscard]] const QString& text() const { return text_; }
    // With a picker the field shows its letter at the open place and underlines the place
    // it is at; "OK" becomes "Fertig", lit while the picker stands on it. Null: the keyboard's.
    void showPicker(const LetterPicker* picker);
    // What the box gave: the text after OK, nothing after "Abbrechen".
    [[nodiscard]] std::optional<std::string> answer() const;

    void keyDown(int keyCode, int shift) override;
    void mouseDown(Control& control) override;
    void mouseUp(Control& control) override;
    void click(Control& control) override;

private:
    QString text_;
    bool accepted_ = false;
    Control caretAsTyped_;
};

// The input box as a layer: takes the typed text itself, so the field fills with what
// the keys type (umlauts and ß included) and Backspace takes the last character back.
// While the last key came from the pad, a letter picker names the player: Up/Down turn
// the letter, Left/Right move between places, A takes, B deletes, Start enters.
class NameLayer : public Layer {
    Q_OBJECT
public:
    // Long enough for any name; the list keeps one line per entry.
    static constexpr int MaxLength = 254;

    NameLayer(GameHost& host, NameBoxForm& box, FormView& main);
    bool takeKey(const KeyPress& press) override;
    [[nodiscard]] bool typesText() const override { return true; }

private:
    bool pickKey(const KeyPress& press);

    NameBoxForm& box_;
    LetterPicker picker_{MaxLength};
    bool picking_ = false;
};

} // namespace gravok::ui
