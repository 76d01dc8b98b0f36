// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <charconv>
#include <cstdio>

#include "app/game.h"
#include "core/form.h"
#include "core/numbers.h"
#include "path_parts.h"
#include "paths.h"

namespace gravok {
namespace {

bool isFormName(std::string_view n)
{
    return n == "frmHaupt" || n == "frmNeu" || n == "frmPunkte" || n == "frmInfo";
}

std::string colorText(Color c)
{
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%06X", static_cast<unsigned>(c & 0xFFFFFF));
    return buf;
}

std::optional<Color> parseColor(std::string_view t)
{
    if (t.size() != 7 || t[0] != '#')
        return std::nullopt;
    unsigned v = 0;
    auto [p, ec] = std::from_chars(t.data() + 1, t.data() + 7, v, 16);
    if (ec != std::errc() || p != t.data() + 7)
        return std::nullopt;
    return v;
}

std::optional<float> parseFloat(const std::string& t)
{
    const auto v = parseStrict(t);
    if (!v)
        return std::nullopt;
    return static_cast<float>(*v);
}

struct Target {
    Form* form = nullptr;
    Control* control = nullptr;
    PathPart property;
};

// Without a form, the active window is searched first, then the main window.
std::optional<Target> resolve(Game& game, const std::vector<PathPart>& parts)
{
    if (parts.size() < 2 || parts.size() > 3)
        return std::nullopt;
    Target t;
    t.property = parts.back();
    if (parts.size() == 2 && isFormName(parts[0].name) && !parts[0].index) {
        t.form = game.window(parts[0].name);
        return t.form ? std::optional(t) : std::nullopt;
    }
    const PathPart& c = parts[parts.size() - 2];
    const int index = c.index.value_or(-1);
    if (parts.size() == 3) {
        if (parts[0].index)
            return std::nullopt;
        t.form = game.window(parts[0].name);
        t.control = t.form ? t.form->find(c.name, index) : nullptr;
    } else {
        t.form = &game.activeWindow();
        t.control = t.form->find(c.name, index);
        if (!t.control) {
            t.form = game.window("frmHaupt");
            t.control = t.form ? t.form->find(c.name, index) : nullptr;
        }
    }
    return t.control ? std::optional(t) : std::nullopt;
}

std::optional<std::string> formGet(const Form& f, std::string_view p)
{
    if (p == "Left")
        return floatText(f.Left);
    if (p == "Top")
        return floatText(f.Top);
    if (p == "Width")
        return floatText(f.Width);
    if (p == "Height")
        return floatText(f.Height);
    if (p == "Tag")
        return f.Tag;
    if (p == "Caption")
        return f.Caption;
    return std::nullopt;
}

std::string formSet(Form& f, std::string_view p, const std::string& v)
{
    if (p == "Tag") {
        f.Tag = v;
        return "";
    }
    if (p == "Caption") {
        f.Caption = v;
        return "";
    }
    float* target = p == "Left"     ? &f.Left
                    : p == "Top"    ? &f.Top
                    : p == "Width"  ? &f.Width
                    : p == "Height" ? &f.Height
                                    : nullptr;
    if (!target)
        return "unknown window property " + std::string(p);
    const auto x = parseFloat(v);
    if (!x)
        return "not a number: " + v;
    *target = *x;
    return "";
}

std::optional<std::string> controlGet(const Control& c, const PathPart& p)
{
    const std::string& n = p.name;
    if (n == "List") {
        if (!p.index || *p.index < 0 || *p.index >= static_cast<int>(c.List.size()))
            return std::nullopt;
        return c.List[static_cast<std::size_t>(*p.index)];
    }
    if (p.index)
        return std::nullopt;
    if (n == "Left")
        return floatText(c.Left);
    if (n == "Top")
        return floatText(c.Top);
    if (n == "Width")
        return floatText(c.Width);
    if (n == "Height")
        return floatText(c.Height);
    if (n == "Visible")
        return boolText(c.Visible);
    if (n == "Caption")
        return c.Caption;
    if (n == "ForeColor")
        return colorText(c.ForeColor);
    if (n == "Picture")
        return decimal(c.Picture());
    if (n == "Tag")
        return c.Tag;
    if (n == "Enabled")
        return boolText(c.Enabled());
    if (n == "Interval")
        return decimal(c.Interval);
    if (n == "Value")
        return boolText(c.Value);
    if (n == "ListCount")
        return decimal(static_cast<long long>(c.List.size()));
    return std::nullopt;
}

std::string setBool(const std::string& v, const std::function<void(bool)>& apply)
{
    const auto b = parseBool(v);
    if (!b)
        return "not a Boolean: " + v;
    apply(*b);
    return "";
}

std::string controlSet(Form& form, Control& c, std::string_view n, const std::string& v)
{
    if (n == "Caption") {
        c.Caption = v;
        return "";
    }
    if (n == "Tag") {
        c.Tag = v;
        return "";
    }
    if (n == "Visible")
        return setBool(v, [&](bool b) { c.Visible = b; });
    if (n == "Enabled")
        return setBool(v, [&](bool b) { c.setEnabled(b); });
    if (n == "Value")
        return setBool(v, [&](bool b) {
            if (b)
                form.selectOption(c);
            else
                c.Value = false;
        });
    if (n == "ForeColor") {
        const auto col = parseColor(v);
        if (!col)
            return "not a colour #RRGGBB: " + v;
        c.ForeColor = *col;
        return "";
    }
    if (n == "Picture" || n == "Interval") {
        const auto x = parseStrict(v);
        if (!x || *x != static_cast<double>(static_cast<int>(*x)))
            return "not a whole number: " + v;
        if (n == "Interval")
            c.Interval = static_cast<int>(*x);
        else
            c.setPicture(static_cast<int>(*x));
        return "";
    }
    float* target = n == "Left"     ? &c.Left
                    : n == "Top"    ? &c.Top
                    : n == "Width"  ? &c.Width
                    : n == "Height" ? &c.Height
                                    : nullptr;
    if (!target)
        return "unknown or read-only property " + std::string(n);
    const auto x = parseFloat(v);
    if (!x)
        return "not a number: " + v;
    *target = *x;
    return "";
}

} // namespace

std::optional<std::vector<PathPart>> splitPath(std::string_view path)
{
    std::vector<PathPart> parts;
    std::size_t pos = 0;
    while (pos <= path.size()) {
        std::size_t dot = path.find('.', pos);
        if (dot == std::string_view::npos)
            dot = path.size();
        std::string_view seg = path.substr(pos, dot - pos);
        PathPart part;
        const std::size_t open = seg.find('(');
        part.name = std::string(seg.substr(0, open));
        if (open != std::string_view::npos) {
            if (seg.back() != ')')
                return std::nullopt;
            int idx = 0;
            std::string_view digits = seg.substr(open + 1, seg.size() - open - 2);
            auto [p, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), idx);
            if (ec != std::errc() || p != digits.data() + digits.size())
                return std::nullopt;
            part.index = idx;
        }
        if (part.name.empty())
            return std::nullopt;
        parts.push_back(std::move(part));
        pos = dot + 1;
    }
    return parts;
}

std::optional<std::string> getProperty(Game& game, const std::vector<PathPart>& parts)
{
    const auto t = resolve(game, parts);
    if (!t)
        return std::nullopt;
    if (!t->control)
        return t->property.index ? std::nullopt : formGet(*t->form, t->property.name);
    return controlGet(*t->control, t->property);
}

std::string setProperty(Game& game, const std::vector<PathPart>& parts, const std::string& value)
{
    const auto t = resolve(game, parts);
    if (!t)
        return "no such variable or property";
    if (t->property.index)
        return "property takes no index";
    if (!t->control)
        return formSet(*t->form, t->property.name, value);
    return controlSet(*t->form, *t->control, t->property.name, value);
}

} // namespace gravok
