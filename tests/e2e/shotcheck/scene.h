// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <deque>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/frm_haupt.h"
#include "app/game.h"
#include "core/recording_platform.h"

namespace gravok::shotcheck {

// The game as the real window runs it, without the window: the same program directory
// and screen width, driven by the same keys and clicks, so it can say what a screenshot
// taken at the same moment must show.
class Scene : public RecordingPlatform {
public:
    Scene(std::filesystem::path programDir, float screenWidthTwips);

    using DialogStep = std::function<void(Form& dialog)>;
    // What to do in the next modal dialogs, in order: look at the dialog, then close it
    // (a step that leaves it open lets the dialog close at once, unseen).
    void whenDialog(DialogStep step) { steps_.push_back(std::move(step)); }

    void runModal(Form& form) override;

    // Main, as the program starts; the start-up dialog takes the next dialog step.
    void start() { game.Main(); }
    // A key on the topmost window, by the key names of gravok-sim (Up, Left, Space, P, ...).
    void key(const std::string& name);
    void click(Control& control);
    // One tick of every running 50 ms timer, as the window's clock gives it.
    void tick() { game.clock.advance(50); }

    Game game;
    [[nodiscard]] FrmHaupt& haupt() { return game.frmHaupt(); }

private:
    std::deque<DialogStep> steps_;
};

// Key code for a gravok-sim key name, or -1.
[[nodiscard]] int keyCode(const std::string& name);

} // namespace gravok::shotcheck
