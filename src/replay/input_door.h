// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace gravok {
class Control;
class Form;
class Game;
} // namespace gravok

namespace gravok::replay {

class Recorder;

// The one way the player's inputs and the passing of time reach a game. With a recorder
// attached, each is written down before it is delivered, so that the game can be played
// again exactly: a key, a pointer event, an input box's answer, the clock's advance, and
// the pause when the player looked away.
class InputDoor {
public:
    explicit InputDoor(Game& game) : game_(game) {}
    InputDoor(const InputDoor&) = delete;
    InputDoor& operator=(const InputDoor&) = delete;

    // From now on every input and every episode load goes to RECORDER (nullptr: none).
    void record(Recorder* recorder);
    [[nodiscard]] Recorder* recorder() const { return recorder_; }

    // The game's Main; afterwards the random state its start-up drew is noted.
    void main();

    // A key on the active window.
    void key(int code);
    // Button pressed over CONTROL of FORM.
    void down(Form& form, Control& control);
    // Button released; CLICK when still over the control, which then gets its click.
    void up(Form& form, Control& control, bool click);
    // An option button chosen by a click (after its own down and up).
    void choose(Form& form, Control& control);
    // Down, up, and click at once, as a player program clicks.
    void click(Form& form, Control& control);
    // What the player answered in an input box, told when the box is answered.
    void answered(const std::optional<std::string>& answer);
    // Game time passes; returns the ticks that ran.
    int advance(std::uint64_t ms);
    // The window lost the player's attention (focus lost, minimised).
    void away();

private:
    Game& game_;
    Recorder* recorder_ = nullptr;
};

// The harness's name of a control: lblOK, lbl(2).
[[nodiscard]] std::string controlName(const Control& control);

} // namespace gravok::replay
