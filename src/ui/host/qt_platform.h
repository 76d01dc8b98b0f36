// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <functional>

#include "core/platform.h"
#include "replay/replay_links.h"

namespace gravok {
class Game;
} // namespace gravok

namespace gravok::audio {
class SoundDirector;
} // namespace gravok::audio

namespace gravok::ui {

class FormView;
class GameHost;
class GameWindow;

// The desktop as the game sees it, on Qt. attach() must be called before the game's
// Main(): the platform is made before the game, the windows after it.
class QtPlatform : public Platform {
public:
    void attach(Game& game, GameHost& host, GameWindow& window);
    // A game shown in a view of another game's window (a listed game watched again): its
    // dialogs are layers of that view, and it has no window of its own to place.
    void attachView(Game& game, GameHost& host, FormView& view);
    void attachSound(audio::SoundDirector& sound) { sound_ = &sound; }

    [[nodiscard]] std::filesystem::path programDir() const override;
    [[nodiscard]] std::filesystem::path dataDir() const override;
    [[nodiscard]] float screenWidthTwips() const override;
    [[nodiscard]] std::uint64_t clockSeed() const override;

    void showWindow(Form& form) override;
    void runModal(Form& form) override;
    void refresh() override;

    bool startProgram(const std::string& program, const std::string& argument) override;
    void openUrl(const std::string& url) override;
    std::optional<std::string> inputBox(const std::string& prompt, const std::string& title) override;
    void message(const Message& message) override;
    void notify(const Message& message) override;
    void setBusyCursor(bool busy) override;
    void endProgram() override;
    void playSound(const char* name) override;

    // Shows a listed game again; set, the high-score list offers it on rows with a replay.
    std::function<void(const replay::ReplayLink& link)> watchListed;

protected:
    Game* game_ = nullptr;
    GameHost* host_ = nullptr;
    GameWindow* window_ = nullptr;
    FormView* view_ = nullptr;
    audio::SoundDirector* sound_ = nullptr;

private:
    int busy_ = 0;
};

} // namespace gravok::ui
