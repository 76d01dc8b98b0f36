// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "paths.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

#include "app/frm_haupt.h"
#include "core/numbers.h"
#include "path_parts.h"
#include "variables.h"

namespace gravok {
namespace {

// One addressable value: how to print it and how to write it.
struct Slot {
    std::function<std::string()> get;
    std::function<std::string(const std::string&)> set; // "" on success
};

std::string setInt(I16& target, const std::string& v)
{
    const auto n = parseStrict(v);
    if (!n || std::isnan(*n))
        return "not a whole number: " + v;
    if (*n < -32768 || *n > 32767)
        return "out of the 16-bit range: " + v;
    if (*n != std::trunc(*n))
        return "not a whole number: " + v;
    target = static_cast<long long>(*n);
    return "";
}

Slot intSlot(I16& v)
{
    return {[&v] { return decimal(v); }, [&v](const std::string& s) { return setInt(v, s); }};
}

Slot boolSlot(bool& v)
{
    return {[&v] { return std::string(boolText(v)); },
            [&v](const std::string& s) -> std::string {
                const auto b = parseBool(s);
                if (!b)
                    return "not a Boolean: " + s;
                v = *b;
                return "";
            }};
}

template <typename Array>
std::optional<Slot> arraySlot(Array& a, const PathPart& p)
{
    if (!p.index || !Array::contains(*p.index))
        return std::nullopt;
    return intSlot(a(*p.index));
}

std::optional<Slot> gravokField(GravokSatz& g, std::string_view field)
{
    I16* f = field == "Bild"      ? &g.Bild
             : field == "X"       ? &g.X
             : field == "Y"       ? &g.Y
             : field == "DX"      ? &g.DX
             : field == "DY"      ? &g.DY
             : field == "Treffer" ? &g.Treffer
                                  : nullptr;
    if (!f)
        return std::nullopt;
    return intSlot(*f);
}

std::optional<Slot> levelSlot(LevelTable& table, const std::vector<PathPart>& parts)
{
    if (!parts[0].index || *parts[0].index < 1 || *parts[0].index > table.count() || parts.size() < 2)
        return std::nullopt;
    LevelSatz& level = table(*parts[0].index);
    if (parts.size() == 2 && parts[1].name == "Anzahl" && !parts[1].index)
        return intSlot(level.Anzahl);
    if (parts.size() == 3 && parts[1].name == "Gravok" && parts[1].index &&
        decltype(level.Gravok)::contains(*parts[1].index) && !parts[2].index)
        return gravokField(level.Gravok(*parts[1].index), parts[2].name);
    return std::nullopt;
}

// Finds the variable a path names: a scalar by its name alone, an array element by its
// index, a level record by its fields.
struct FindVariable {
    const std::vector<PathPart>& parts;
    std::optional<Slot> found;

    [[nodiscard]] bool named(std::string_view name) const { return parts.size() == 1 && parts[0].name == name; }
    [[nodiscard]] bool scalar(std::string_view name) const { return named(name) && !parts[0].index; }
    void flag(std::string_view name, bool& v)
    {
        if (scalar(name))
            found = boolSlot(v);
    }
    void integer(std::string_view name, I16& v)
    {
        if (scalar(name))
            found = intSlot(v);
    }
    template <typename Array>
    void array(std::string_view name, Array& a)
    {
        if (named(name))
            found = arraySlot(a, parts[0]);
    }
    void levels(std::string_view name, LevelTable& table)
    {
        if (parts[0].name == name)
            found = levelSlot(table, parts);
    }
};

std::optional<Slot> variable(Game& game, const std::vector<PathPart>& parts)
{
    FindVariable find{parts, std::nullopt};
    visitVariables(game, find);
    return find.found;
}

} // namespace

std::optional<bool> parseBool(std::string_view text)
{
    if (text == "True" || text == "-1")
        return true;
    if (text == "False" || text == "0")
        return false;
    return std::nullopt;
}

const char* boolText(bool b)
{
    return b ? "True" : "False";
}

std::optional<std::string> StatePaths::get(std::string_view path)
{
    const auto parts = splitPath(path);
    if (!parts)
        return std::nullopt;
    if (auto v = variable(game_, *parts))
        return v->get();
    return getProperty(game_, *parts);
}

std::string StatePaths::set(std::string_view path, const std::string& value)
{
    const auto parts = splitPath(path);
    if (!parts)
        return "malformed path " + std::string(path);
    if (auto v = variable(game_, *parts))
        return v->set(value);
    return setProperty(game_, *parts, value);
}

} // namespace gravok
