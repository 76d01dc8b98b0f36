// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace gravok {

using Color = std::uint32_t; // 0xRRGGBB

namespace palette {
constexpr Color Black = 0x000000;
constexpr Color White = 0xFFFFFF;     // entry 15
constexpr Color LightBlue = 0x0000FF; // entry 9
constexpr Color DarkRed = 0x800000;   // entry 4
} // namespace palette

enum class ControlKind { Frame, Label, Image, Shape, Line, Timer, OptionButton, ListBox };
enum class ShapeKind { Rectangle, Circle, Oval };
enum class Align { Left, Center, Right };

// Face "" is the toolkit's standard dialog font.
struct Font {
    std::string face;
    float points = 8.25f;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

// One control of a window, holding exactly the properties the game reads and writes,
// plus the designed look the views need. Positions are twips, relative to the container.
class Control {
public:
    std::string Name;
    int Index = -1; // element of a control array, -1 for a single control
    ControlKind Kind = ControlKind::Label;
    Control* Container = nullptr; // a frame, or nullptr for the window itself

    float Left = 0, Top = 0, Width = 0, Height = 0;
    bool Visible = true;
    std::string Caption;
    Color ForeColor = palette::White;
    Color BackColor = palette::Black;
    bool BackTransparent = true;
    std::string Tag;
    int Interval = 0;
    bool Value = false;            // option buttons
    std::vector<std::string> List; // list box items

    Font TextFont;
    Align Alignment = Align::Left;
    ShapeKind Shape = ShapeKind::Rectangle;
    bool Filled = false;
    int BorderWidth = 1;   // shapes, in pixels
    bool Bordered = false; // frames with a captioned border
    float X2 = 0, Y2 = 0;  // second end of a line (first end is Left, Top)
    bool HandCursor = false;

    [[nodiscard]] int Picture() const { return picture_; }
    // An image takes the size of its picture; clearing it (0) keeps the last size.
    void setPicture(int n);

    [[nodiscard]] bool Enabled() const { return enabled_; }
    // Switching a timer on starts its interval afresh; the clock sees that by the epoch.
    void setEnabled(bool on);
    [[nodiscard]] unsigned enableEpoch() const { return epoch_; }

    // "imgGravok(3)" or "lblP".
    [[nodiscard]] std::string fullName() const;

private:
    int picture_ = 0;
    bool enabled_ = true;
    unsigned epoch_ = 0;
};

// Visible, and so are all the frames it sits in.
[[nodiscard]] bool shown(const Control& control);

} // namespace gravok
