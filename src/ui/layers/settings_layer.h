// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/bindings.h"
#include "core/form.h"
#include "ui/layers/layer.h"

namespace gravok::ui {

// One row of the first page: its name, and a number from MIN to MAX in steps of STEP, read
// from where it lives and set there. A switch is 0 to 1, "aus" or "an"; a choice shows the
// word of its place; a number is shown in per cent with a bar.
struct SettingRow {
    std::string name;
    int max;
    int step;
    std::function<int()> get;
    std::function<void(int)> set;
    std::vector<std::string> choices = {};
    int min = 0;
    [[nodiscard]] bool isSwitch() const { return max == step && min == 0 && choices.empty(); }
    [[nodiscard]] bool isNumber() const { return !isSwitch() && choices.empty(); }
};

// "Einstellungen" in the style of the game's dialogs: a black box with a white border,
// the rows, "OK" in a ring; a second page lists the keys and pad buttons of each action.
class SettingsForm : public Form {
public:
    // A line for each of ROWS, then "Tasten …".
    explicit SettingsForm(const std::vector<SettingRow>& rows);

    [[nodiscard]] int rows() const { return static_cast<int>(lblWert.size()); }

    Control* ShapeRand;
    Control* lblTitel;
    std::vector<Control*> lblName; // the last is "Tasten …"
    std::vector<Control*> lblWert;
    // The bar of each number's row, and how full it is; none for a switch.
    std::vector<Control*> ShapeBalken;
    std::vector<Control*> ShapeFuellung;
    std::array<Control*, bind::ActionCount> lblAktion{};
    std::array<Control*, bind::ActionCount> lblTaste{};
    std::array<Control*, bind::ActionCount> lblPad{};
    Control* lblKopf;
    Control* lblKopfTaste;
    Control* lblKopfPad;
    Control* lblOK;
    Control* lblStandard;
    Control* lblZurueck;

    std::function<void(Control&)> onClick;

private:
    std::vector<std::vector<std::string>> choices_;

public:
    void click(Control& control) override
    {
        if (onClick)
            onClick(control);
    }

    // Shows the first page or the keys, the chosen line in light blue.
    void show(bool keysPage, int selected, const std::vector<int>& values, const bind::Bindings& bindings,
              bool waiting);
};

// The layer: keys, clicks and the pad's buttons change the rows at once, each change
// goes where it belongs and into gravok.conf. The game is paused while it is open.
class SettingsLayer : public Layer {
    Q_OBJECT
public:
    SettingsLayer(GameHost& host, SettingsForm& form, FormView& main, std::vector<SettingRow> rows);

    bool takeKey(const KeyPress& press) override;
    [[nodiscard]] bool capturesKeys() const override { return waiting_; }
    // A pad button while a line waits for one; B keeps the old one.
    void padButton(pad::Button button);

    // The bindings changed (stored by the owner); the pad waits for a button or no more.
    std::function<void()> bindingsChanged;
    std::function<void(bool waiting)> waitingForButton;
    std::function<void()> help;

private:
    void clicked(Control& control);
    void activate();
    void change(int by, bool wrap = false);
    void move(int by);
    void wait(bool on);
    void redraw();
    [[nodiscard]] int lines() const;

    SettingsForm& form_;
    std::vector<SettingRow> rows_;
    bool keysPage_ = false;
    int selected_ = 0;
    bool waiting_ = false;
};

// Runs the settings over the field: a running game is paused around them, as the new-game
// dialog pauses it, and its clock stands meanwhile.
void runSettings(GameHost& host, SettingsLayer& layer);

} // namespace gravok::ui
