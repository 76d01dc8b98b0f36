// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/pad_keys.h"

namespace gravok::sdl {

// One thing the pad did, in the pad's own terms (no keys yet: that is PadKeys' part).
struct PadEvent {
    enum class Kind { Connected, Disconnected, Down, Up, Move };
    Kind kind = Kind::Connected;
    pad::Button button = pad::Button::A;
    pad::Axis axis = pad::Axis::LeftX;
    int value = 0;

    friend bool operator==(const PadEvent&, const PadEvent&) = default;
};

// SDL's game-controller part alone, without its video or sound: the first controller
// found is the player's. Mappings come from SDL's own list, SDL_GAMECONTROLLERCONFIG and
// the player's gamecontrollerdb.txt. Without SDL's input (no devices, a failed start)
// the pad is simply absent.
class Gamepad {
public:
    Gamepad();
    ~Gamepad();
    Gamepad(const Gamepad&) = delete;
    Gamepad& operator=(const Gamepad&) = delete;

    [[nodiscard]] bool available() const { return available_; }
    [[nodiscard]] bool connected() const { return controller_ != nullptr; }
    [[nodiscard]] std::string name() const;
    // SDL's id of the pad's kind, as a mapping line begins with it.
    [[nodiscard]] std::string guid() const;

    // Reads SDL's queue: plugging and unplugging, buttons and the left stick.
    std::vector<PadEvent> poll();

    // Mappings in SDL's text form from a file: how many were added, or nothing if the
    // file is not there, not a regular file, too big or not readable.
    std::optional<int> addMappings(const std::filesystem::path& file);

private:
    void openFirst(std::vector<PadEvent>& out);
    void close(std::vector<PadEvent>& out);

    bool available_ = false;
    void* controller_ = nullptr; // SDL_GameController
    int instance_ = -1;
};

// $XDG_CONFIG_HOME/gravok/gamecontrollerdb.txt, or ~/.config/… without XDG_CONFIG_HOME.
[[nodiscard]] std::optional<std::filesystem::path> playerMappingFile();

// A pad that is not there: SDL's virtual joystick, driven by the tests. Needs a
// Gamepad (SDL started) alive while it is.
class VirtualPad {
public:
    VirtualPad();
    ~VirtualPad();
    VirtualPad(const VirtualPad&) = delete;
    VirtualPad& operator=(const VirtualPad&) = delete;

    [[nodiscard]] bool attached() const { return joystick_ != nullptr; }
    // As a pad SDL maps itself, or as a plain joystick that only a mapping makes a pad.
    bool attach(bool asController = true);
    [[nodiscard]] std::string guid() const;
    void detach();
    void set(pad::Button button, bool down);
    void move(pad::Axis axis, int value);

    // One line of a test script: "down a", "up start", "axis lefty -20000", "unplug",
    // "plug". False for a line it does not understand.
    bool command(const std::string& line);

private:
    void* joystick_ = nullptr; // SDL_Joystick
    int index_ = -1;
};

} // namespace gravok::sdl
