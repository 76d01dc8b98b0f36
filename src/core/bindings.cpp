// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/bindings.h"

#include <charconv>

#include "core/form.h"
#include "core/words.h"

namespace gravok::bind {
namespace {

using pad::Button;

constexpr std::array<ActionRow, ActionCount> Table{{
    {Action::TurnLeft, "turnLeft", GRAVOK_TEXT("Einstellungen", "links drehen"), key::Left, Button::Left, true},
    {Action::TurnRight, "turnRight", GRAVOK_TEXT("Einstellungen", "rechts drehen"), key::Right, Button::Right, true},
    {Action::Faster, "faster", GRAVOK_TEXT("Einstellungen", "schneller"), key::Up, Button::Up, true},
    {Action::Slower, "slower", GRAVOK_TEXT("Einstellungen", "langsamer"), key::Down, Button::Down, true},
    {Action::Fire, "fire", GRAVOK_TEXT("Einstellungen", "Feuer"), key::Space, Button::A, true},
    {Action::Pause, "pause", GRAVOK_TEXT("Einstellungen", "Pause"), key::P, Button::Start, false},
    {Action::NewGame, "newGame", GRAVOK_TEXT("Einstellungen", "Neues Spiel"), key::F4, Button::Back, false},
    {Action::Info, "info", GRAVOK_TEXT("Einstellungen", "Info"), key::F2, Button::Y, false},
    {Action::Help, "help", GRAVOK_TEXT("Einstellungen", "Hilfe"), key::F1, Button::X, false},
    {Action::FullScreen, "fullScreen", GRAVOK_TEXT("Einstellungen", "Vollbild"), key::F11, std::nullopt, false},
    {Action::Sound, "sound", GRAVOK_TEXT("Einstellungen", "Ton"), key::M, std::nullopt, false},
}};

constexpr std::array<const char*, pad::ButtonCount> ButtonIds{"A",     "B",  "X",    "Y",    "Back",
                                                              "Start", "Up", "Down", "Left", "Right"};

// Pairs of actions with one key between them: the later of two stored values gives way.
template <typename T, typename Default>
void settle(std::array<T, ActionCount>& values, Default fallback)
{
    // Each round puts back at least one stored value; the defaults never clash.
    for (std::size_t round = 0; round <= ActionCount; ++round) {
        bool clash = false;
        for (std::size_t i = 0; i < ActionCount; ++i)
            for (std::size_t j = 0; j < i; ++j)
                if (values[i] && values[i] == values[j]) {
                    const std::size_t back = values[i] != fallback(i) ? i : j;
                    values[back] = fallback(back);
                    clash = true;
                }
        if (!clash)
            return;
    }
}

// SLOTS[AT] takes VALUE; a slot that had it takes AT's old one, so no action is left without.
template <class T>
void giveTo(std::array<T, ActionCount>& slots, std::size_t at, const T& value)
{
    for (T& other : slots)
        if (other == value) {
            other = slots[at];
            break;
        }
    slots[at] = value;
}

} // namespace

bool knownToGame(int key)
{
    return (key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9') || (key >= key::F1 && key <= key::F1 + 11) ||
           (key >= key::Left && key <= key::Down) || key == key::Space || key == key::Enter || key == key::Escape;
}

const std::array<ActionRow, ActionCount>& actions()
{
    return Table;
}

const ActionRow& row(Action action)
{
    return Table[static_cast<std::size_t>(action)];
}

std::optional<Action> actionOfCode(int code)
{
    for (const ActionRow& r : Table)
        if (r.code == code)
            return r.action;
    return std::nullopt;
}

bool bindableKey(int key)
{
    return key > 0 && key < 256 && key != key::Enter && key != key::Escape && key != key::F3;
}

bool bindableButton(pad::Button button)
{
    return button != Button::B;
}

const char* buttonId(pad::Button button)
{
    return ButtonIds[static_cast<std::size_t>(button)];
}

std::optional<pad::Button> buttonOf(std::string_view id)
{
    for (std::size_t i = 0; i < ButtonIds.size(); ++i)
        if (id == ButtonIds[i])
            return static_cast<Button>(i);
    return std::nullopt;
}

std::optional<Action> Bindings::actionOfKey(int key) const
{
    for (std::size_t i = 0; i < ActionCount; ++i)
        if (keys_[i] == key)
            return Table[i].action;
    return std::nullopt;
}

std::optional<Action> Bindings::actionOfButton(pad::Button button) const
{
    for (std::size_t i = 0; i < ActionCount; ++i)
        if (buttons_[i] == button)
            return Table[i].action;
    return std::nullopt;
}

bool Bindings::bindKey(Action action, int key)
{
    if (!bindableKey(key))
        return false;
    giveTo(keys_, slot(action), key);
    return true;
}

bool Bindings::bindButton(Action action, pad::Button button)
{
    if (!bindableButton(button))
        return false;
    giveTo(buttons_, slot(action), std::optional<pad::Button>(button));
    return true;
}

void Bindings::reset()
{
    for (std::size_t i = 0; i < ActionCount; ++i) {
        keys_[i] = Table[i].code;
        buttons_[i] = Table[i].pad;
    }
}

std::optional<int> Bindings::gameCode(int key) const
{
    if (const auto action = actionOfKey(key))
        return row(*action).code;
    if (actionOfCode(key))
        return std::nullopt;
    return knownToGame(key) ? std::optional<int>(key) : std::nullopt;
}

pad::MainKeys Bindings::padKeys() const
{
    pad::MainKeys keys{};
    keys[static_cast<std::size_t>(Button::B)] = {key::F3, false};
    for (std::size_t i = 0; i < ActionCount; ++i)
        if (buttons_[i])
            keys[static_cast<std::size_t>(*buttons_[i])] = {Table[i].code, Table[i].held};
    return keys;
}

std::map<std::string, std::string> Bindings::stored() const
{
    std::map<std::string, std::string> out;
    for (std::size_t i = 0; i < ActionCount; ++i) {
        out[std::string("keys/") + Table[i].id] = std::to_string(keys_[i]);
        out[std::string("pad/") + Table[i].id] = buttons_[i] ? buttonId(*buttons_[i]) : "-";
    }
    return out;
}

Bindings Bindings::fromStored(const std::function<std::optional<std::string>(const std::string&)>& value)
{
    Bindings b;
    for (std::size_t i = 0; i < ActionCount; ++i) {
        if (const auto text = value(std::string("keys/") + Table[i].id)) {
            int key = 0;
            const char* end = text->data() + text->size();
            const auto [at, ec] = std::from_chars(text->data(), end, key);
            if (ec == std::errc() && at == end && bindableKey(key))
                b.keys_[i] = key;
        }
        if (const auto text = value(std::string("pad/") + Table[i].id)) {
            if (*text == "-")
                b.buttons_[i].reset();
            else if (const auto button = buttonOf(*text); button && bindableButton(*button))
                b.buttons_[i] = button;
        }
    }
    settle(b.keys_, [](std::size_t i) { return Table[i].code; });
    settle(b.buttons_, [](std::size_t i) { return Table[i].pad; });
    return b;
}

} // namespace gravok::bind
