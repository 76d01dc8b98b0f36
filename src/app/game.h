// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "app/game_state.h"
#include "core/clock.h"
#include "core/platform.h"
#include "core/random.h"
#include "episodes/episode_tap.h"

namespace gravok {

class Form;
class FrmHaupt;

// Thrown from a game run ahead of time (Game::lookingAhead) where the real one would need
// the desktop: a dialog, a message, another program.
struct NotForeseeable {};

// The whole game: shared state, windows, clock and random source, over one Platform.
class Game {
public:
    explicit Game(Platform& platform);
    ~Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    Platform& platform;
    StartModule Start;
    VirtualClock clock;
    RandomSource random;
    EpisodeTap episodeTap;
    // Told of every entry added to a high-score list: the list's file and the entry's line
    // number in it, so that a recording can name the game behind the entry.
    std::function<void(const std::filesystem::path& list, std::size_t line)> entryAdded;

    // The program's entry point: creates, loads and shows the main window.
    void Main();

    // A copy run ahead of the real game for the picture: it opens no dialog but throws
    // NotForeseeable instead.
    bool lookingAhead = false;
    // Takes the whole state of OTHER as it stands between two events: the shared
    // variables, the clock, the random source and the main window, which is then the one
    // window open.
    void copyStateFrom(const Game& other);

    [[nodiscard]] FrmHaupt& frmHaupt() { return *haupt_; }
    // Loads a dialog and shows it modally with the clock held until it is closed. The
    // caller creates it for this one showing and destroys it afterwards.
    void showModal(Form& dialog);

    // A dialog's place: vertically by the main window's height, horizontally on the screen.
    void placeDialog(Form& dialog);

    // Open windows, bottom to top.
    [[nodiscard]] const std::vector<Form*>& windows() const { return windows_; }
    [[nodiscard]] Form& activeWindow() { return *windows_.back(); }
    [[nodiscard]] Form* window(std::string_view name);

private:
    std::unique_ptr<FrmHaupt> haupt_;
    std::vector<Form*> windows_;
};

} // namespace gravok
