// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "control.h"

namespace gravok {

// Key codes the game reacts to.
namespace key {
constexpr int Enter = 13;
constexpr int Escape = 27;
constexpr int Space = 32;
constexpr int Left = 37;
constexpr int Up = 38;
constexpr int Right = 39;
constexpr int Down = 40;
constexpr int P = 80;
constexpr int F1 = 112;
constexpr int F2 = 113;
constexpr int F3 = 114;
constexpr int F4 = 115;
constexpr int F11 = 122;
constexpr int M = 77;
} // namespace key

// A window: named controls and the handlers of its events. Sizes are the client area.
class Form {
public:
    explicit Form(std::string name) : Name(std::move(name)) {}
    virtual ~Form() = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    std::string Name;
    float Left = 0, Top = 0, Width = 0, Height = 0;
    std::string Tag;
    std::string Caption;
    Color BackColor = palette::Black;

    // Controls keep their address for the life of the form; the order is the drawing order.
    Control& add(Control control, Control* container = nullptr);
    [[nodiscard]] Control* find(std::string_view name, int index = -1);
    [[nodiscard]] Control& at(std::string_view name, int index = -1);
    [[nodiscard]] const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }

    // Events; the window sees keys before any of its controls.
    virtual void load() {}
    virtual void keyDown(int /*keyCode*/, int /*shift*/) {}
    virtual void mouseDown(Control& /*control*/) {}
    virtual void mouseUp(Control& /*control*/) {}
    virtual void click(Control& /*control*/) {}

    // Option buttons of one container form a group: selecting one clears the others.
    void selectOption(Control& option);
    // The keyboard of an option group, as on every desktop: Down and Right select the
    // next option, Up and Left the previous one, wrapping round; digit n selects the n-th.
    // Acts on the group of the selected option (the first group if none is); other keys
    // pass by untouched.
    void optionGroupKey(int keyCode);
    // The option buttons of that group, in layout order.
    [[nodiscard]] std::vector<Control*> optionGroup() const;

    [[nodiscard]] bool closed() const { return closed_; }
    void Unload() { closed_ = true; }

private:
    std::vector<std::unique_ptr<Control>> controls_;
    bool closed_ = false;
};

// Short builders for the layout tables.
Control makeControl(ControlKind kind, std::string name, float l, float t, float w, float h, int index = -1);
Control makeLabel(std::string name, float l, float t, float w, float h, std::string caption, Align align = Align::Left,
                  Font font = {}, Color color = palette::White, int index = -1);
Control makeShape(std::string name, ShapeKind shape, float l, float t, float w, float h, Color color = palette::White,
                  int borderWidth = 1);
Control makeTimer(std::string name, int interval, bool enabled);

} // namespace gravok
