// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "core/message.h"

namespace gravok {

class Form;

// What the game asks of the desktop. The Qt layer implements it for the real window;
// tests and the harness use a recording implementation.
class Platform {
public:
    virtual ~Platform() = default;

    [[nodiscard]] virtual std::filesystem::path programDir() const = 0;
    // The installed data folder (episodes, help file) of a game run from its installation;
    // empty for a self-contained program directory such as the build tree.
    [[nodiscard]] virtual std::filesystem::path dataDir() const { return {}; }
    // Where one of the game's files lies: beside the program first, then in the data
    // folder; beside the program when neither has it, so a message names that place.
    [[nodiscard]] std::filesystem::path gameFile(const std::string& name) const;
    [[nodiscard]] virtual float screenWidthTwips() const = 0;
    // A seed taken from the system clock.
    [[nodiscard]] virtual std::uint64_t clockSeed() const = 0;

    // Shows a window without waiting (the main window).
    virtual void showWindow(Form& form) = 0;
    // Shows a dialog and returns once it has been closed (Form::closed()).
    virtual void runModal(Form& form) = 0;
    // The model changed outside a timer tick or input event; views may repaint.
    virtual void refresh() {}

    // Starts another program detached; false if it could not be started.
    virtual bool startProgram(const std::string& program, const std::string& argument) = 0;
    virtual void openUrl(const std::string& url) = 0;
    // A modal input box; nothing when the player cancels.
    virtual std::optional<std::string> inputBox(const std::string& prompt, const std::string& title) = 0;
    // A message for the player, waited for.
    virtual void message(const Message& message) = 0;
    // A short notice for the player that nothing waits for.
    virtual void notify(const Message& message) { this->message(message); }
    virtual void setBusyCursor(bool busy) = 0;
    // A sound effect for an event of the game (shot, hit, explosion, ...); nothing waits
    // for it and nothing of the game depends on it.
    virtual void playSound(const char* /*name*/) {}
    // Ends the program at once.
    virtual void endProgram() = 0;
};

} // namespace gravok
