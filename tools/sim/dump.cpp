// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dump.h"

#include <cstdio>

#include "app/frm_haupt.h"
#include "core/numbers.h"
#include "paths.h"
#include "variables.h"

namespace gravok {
namespace {

std::string quoted(const std::string& s)
{
    std::string out = "\"";
    for (const char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

// Builds one JSON object member by member.
class Obj {
public:
    Obj& raw(const std::string& key, const std::string& json)
    {
        text_ += (text_.empty() ? "" : ",") + quoted(key) + ":" + json;
        return *this;
    }
    Obj& num(const std::string& key, double v) { return raw(key, floatText(static_cast<float>(v))); }
    Obj& str(const std::string& key, const std::string& v) { return raw(key, quoted(v)); }
    Obj& flag(const std::string& key, bool v) { return raw(key, v ? "true" : "false"); }
    [[nodiscard]] std::string json() const { return "{" + text_ + "}"; }

private:
    std::string text_;
};

template <typename Array>
std::string list(const Array& a)
{
    std::string out = "[";
    for (int i = Array::first; i <= Array::last; ++i)
        out += (i == Array::first ? "" : ",") + decimal(a(i));
    return out + "]";
}

std::string control(const Control& c)
{
    Obj o;
    o.num("Left", c.Left).num("Top", c.Top).num("Width", c.Width).num("Height", c.Height);
    o.flag("Visible", c.Visible).str("Caption", c.Caption).str("Tag", c.Tag);
    o.num("Picture", c.Picture()).num("ForeColor", c.ForeColor);
    if (c.Kind == ControlKind::Timer)
        o.flag("Enabled", c.Enabled()).num("Interval", c.Interval);
    if (c.Kind == ControlKind::OptionButton)
        o.flag("Value", c.Value);
    if (c.Kind == ControlKind::ListBox) {
        std::string items = "[";
        for (const auto& item : c.List)
            items += (items.size() > 1 ? "," : "") + quoted(item);
        o.raw("List", items + "]");
    }
    return o.json();
}

std::string window(const Form& f)
{
    Obj controls;
    for (const auto& c : f.controls())
        controls.raw(c->fullName(), control(*c));
    Obj o;
    o.str("Name", f.Name).num("Left", f.Left).num("Top", f.Top).num("Width", f.Width).num("Height", f.Height);
    o.str("Tag", f.Tag).raw("controls", controls.json());
    return o.json();
}

std::string levelsJson(LevelTable& table)
{
    std::string out = "[";
    for (int l = 1; l <= table.count(); ++l) {
        LevelSatz& level = table(l);
        std::string gravoks = "[";
        for (int k = 1; k <= 10; ++k) {
            const GravokSatz& g = level.Gravok(k);
            gravoks += (k == 1 ? "[" : ",[") + decimal(g.Bild) + "," + decimal(g.X) + "," + decimal(g.Y) + "," +
                       decimal(g.DX) + "," + decimal(g.DY) + "," + decimal(g.Treffer) + "]";
        }
        out += (l == 1 ? "" : ",") + Obj().num("Anzahl", level.Anzahl).raw("Gravok", gravoks + "]").json();
    }
    return out + "]";
}

// Prints each variable as one member of the object.
struct DumpVariables {
    Obj& out;
    void flag(const char* name, bool v) { out.flag(name, v); }
    void integer(const char* name, I16 v) { out.num(name, v); }
    template <typename Array>
    void array(const char* name, const Array& a)
    {
        out.raw(name, list(a));
    }
    void levels(const char* name, LevelTable& table) { out.raw(name, levelsJson(table)); }
};

} // namespace

std::string dumpJson(Game& game)
{
    Obj v;
    DumpVariables dump{v};
    visitVariables(game, dump);
    std::string windows = "[";
    for (const Form* f : game.windows())
        windows += (windows.size() > 1 ? "," : "") + window(*f);
    Obj all;
    all.raw("variables", v.json())
        .raw("windows", windows + "]")
        .raw("clock", decimal(static_cast<long long>(game.clock.now())));
    return all.json();
}

} // namespace gravok
