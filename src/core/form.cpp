// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "form.h"

#include "errors.h"

namespace gravok {

Control& Form::add(Control control, Control* container)
{
    control.Container = container;
    controls_.push_back(std::make_unique<Control>(std::move(control)));
    return *controls_.back();
}

Control* Form::find(std::string_view name, int index)
{
    for (auto& c : controls_)
        if (c->Name == name && c->Index == index)
            return c.get();
    return nullptr;
}

Control& Form::at(std::string_view name, int index)
{
    if (Control* c = find(name, index))
        return *c;
    throw GameError({GRAVOK_TEXT("Meldungen", "%1 hat kein Steuerelement %2"),
                     {Message::literal(Name),
                      Message::literal(std::string(name) + (index < 0 ? "" : "(" + std::to_string(index) + ")"))}});
}

void Form::selectOption(Control& option)
{
    for (auto& c : controls_)
        if (c->Kind == ControlKind::OptionButton && c->Container == option.Container)
            c->Value = c.get() == &option;
}

std::vector<Control*> Form::optionGroup() const
{
    const Control* first = nullptr;
    for (const auto& c : controls_)
        if (c->Kind == ControlKind::OptionButton && (!first || c->Value)) {
            first = c.get();
            if (c->Value)
                break;
        }
    std::vector<Control*> group;
    for (const auto& c : controls_)
        if (first && c->Kind == ControlKind::OptionButton && c->Container == first->Container)
            group.push_back(c.get());
    return group;
}

void Form::optionGroupKey(int keyCode)
{
    const std::vector<Control*> group = optionGroup();
    if (group.empty())
        return;
    const std::size_t n = group.size();
    std::size_t at = 0;
    while (at < n && !group[at]->Value)
        ++at;
    if (keyCode == key::Down || keyCode == key::Right)
        selectOption(*group[at >= n ? 0 : (at + 1) % n]);
    else if (keyCode == key::Up || keyCode == key::Left)
        selectOption(*group[at >= n ? n - 1 : (at + n - 1) % n]);
    // The digit keys' codes are their characters.
    else if (keyCode >= '1' && keyCode <= '9' && static_cast<std::size_t>(keyCode - '1') < n)
        selectOption(*group[static_cast<std::size_t>(keyCode - '1')]);
}

Control makeControl(ControlKind kind, std::string name, float l, float t, float w, float h, int index)
{
    Control c;
    c.Kind = kind;
    c.Name = std::move(name);
    c.Index = index;
    c.Left = l;
    c.Top = t;
    c.Width = w;
    c.Height = h;
    c.setEnabled(true);
    return c;
}

Control makeLabel(std::string name, float l, float t, float w, float h, std::string caption, Align align, Font font,
                  Color color, int index)
{
    Control c = makeControl(ControlKind::Label, std::move(name), l, t, w, h, index);
    c.Caption = std::move(caption);
    c.Alignment = align;
    c.TextFont = std::move(font);
    c.ForeColor = color;
    return c;
}

Control makeShape(std::string name, ShapeKind shape, float l, float t, float w, float h, Color color, int borderWidth)
{
    Control c = makeControl(ControlKind::Shape, std::move(name), l, t, w, h);
    c.Shape = shape;
    c.ForeColor = color;
    c.BorderWidth = borderWidth;
    return c;
}

Control makeTimer(std::string name, int interval, bool enabled)
{
    Control c = makeControl(ControlKind::Timer, std::move(name), 0, 0, 0, 0);
    c.Interval = interval;
    c.setEnabled(enabled);
    c.Tag = enabled ? "1" : "0";
    c.Visible = false;
    return c;
}

} // namespace gravok
