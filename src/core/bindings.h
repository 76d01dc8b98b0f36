// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The player's own keys and pad buttons. A physical key is named by the virtual-key code
// it has on a standard keyboard ('A', 17 for Ctrl, 112 for F1); a binding turns it into the
// code of the game's key for an action, so the game only ever sees its own codes.
#pragma once
#include <array>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "core/pad_keys.h"

namespace gravok::bind {

enum class Action { TurnLeft, TurnRight, Faster, Slower, Fire, Pause, NewGame, Info, Help, FullScreen, Sound };
inline constexpr std::size_t ActionCount = 11;

// One action: its name in the settings file, its German name, the game's key code for it
// (F11 and M for the window's own two), its default pad button, and whether holding it
// repeats as a held key does.
struct ActionRow {
    Action action;
    const char* id;
    const char* name;
    int code;
    std::optional<pad::Button> pad;
    bool held;
};
[[nodiscard]] const std::array<ActionRow, ActionCount>& actions();
[[nodiscard]] const ActionRow& row(Action action);

// Keys that keep their meaning everywhere and cannot be bound: Enter, Escape, and F3,
// which opens the settings. B is the pad's settings button and Escape in dialogs.
[[nodiscard]] bool bindableKey(int key);
[[nodiscard]] bool bindableButton(pad::Button button);

// The action whose game key code CODE is, if any.
[[nodiscard]] std::optional<Action> actionOfCode(int code);

// The keys the game's handlers know: letters, digits, F1-F12, arrows, Space, Enter, Escape.
[[nodiscard]] bool knownToGame(int key);

// The pad button's name in the settings file ("A", "Start", "Up"), and back.
[[nodiscard]] const char* buttonId(pad::Button button);
[[nodiscard]] std::optional<pad::Button> buttonOf(std::string_view id);

class Bindings {
public:
    Bindings() { reset(); }

    [[nodiscard]] int key(Action action) const { return keys_[slot(action)]; }
    [[nodiscard]] std::optional<pad::Button> button(Action action) const { return buttons_[slot(action)]; }
    [[nodiscard]] std::optional<Action> actionOfKey(int key) const;
    [[nodiscard]] std::optional<Action> actionOfButton(pad::Button button) const;

    // Binds KEY to ACTION; an action that had it takes ACTION's old key in exchange, so no
    // action is ever left without one. False for a key that cannot be bound.
    bool bindKey(Action action, int key);
    bool bindButton(Action action, pad::Button button);
    // "Standard": the keys and buttons the game comes with.
    void reset();

    // The game's key code a physical key gives in the main window: its action's code; the
    // game's own key for an action that has been bound elsewhere gives nothing; any other
    // key the game knows is itself.
    [[nodiscard]] std::optional<int> gameCode(int key) const;

    // The pad's buttons in the main window: each gives its action's code, B the settings.
    [[nodiscard]] pad::MainKeys padKeys() const;

    // As kept in the settings file: "keys/fire" = "17", "pad/fire" = "A" or "-".
    [[nodiscard]] std::map<std::string, std::string> stored() const;
    // What VALUE gives for those names; a missing, unreadable or clashing value leaves that
    // action at its default.
    [[nodiscard]] static Bindings
    fromStored(const std::function<std::optional<std::string>(const std::string&)>& value);

private:
    static std::size_t slot(Action a) { return static_cast<std::size_t>(a); }

    std::array<int, ActionCount> keys_{};
    std::array<std::optional<pad::Button>, ActionCount> buttons_{};
};

} // namespace gravok::bind
