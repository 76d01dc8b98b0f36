// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "replay/input_door.h"

#include "app/frm_haupt.h"
#include "app/game.h"
#include "core/form.h"
#include "replay/recorder.h"

namespace gravok::replay {

std::string controlName(const Control& control)
{
    return control.Index < 0 ? control.Name : control.Name + "(" + std::to_string(control.Index) + ")";
}

void InputDoor::record(Recorder* recorder)
{
    recorder_ = recorder;
    if (!recorder) {
        game_.episodeTap.loaded = nullptr;
        return;
    }
    game_.episodeTap.loaded = [recorder](int n, const std::string* bytes) { recorder->episode(n, bytes); };
}

void InputDoor::main()
{
    game_.Main();
    if (recorder_)
        recorder_->randomState(game_.random.state());
}

void InputDoor::key(int code)
{
    if (recorder_)
        recorder_->key(code);
    if (!game_.windows().empty())
        game_.activeWindow().keyDown(code, 0);
}

void InputDoor::down(Form& form, Control& control)
{
    if (recorder_)
        recorder_->pointer("down", controlName(control));
    form.mouseDown(control);
}

// The harness's click repeats the button's down, which only colours the label again.
void InputDoor::up(Form& form, Control& control, bool click)
{
    if (recorder_)
        recorder_->pointer(click ? "click" : "up", controlName(control));
    form.mouseUp(control);
    if (click)
        form.click(control);
}

void InputDoor::choose(Form& form, Control& control)
{
    if (recorder_)
        recorder_->pointer("click", controlName(control));
    form.selectOption(control);
    form.click(control);
}

void InputDoor::click(Form& form, Control& control)
{
    if (recorder_)
        recorder_->pointer("click", controlName(control));
    form.mouseDown(control);
    form.mouseUp(control);
    if (control.Kind == ControlKind::OptionButton)
        form.selectOption(control);
    form.click(control);
}

void InputDoor::answered(const std::optional<std::string>& answer)
{
    if (recorder_)
        recorder_->input(answer);
}

int InputDoor::advance(std::uint64_t ms)
{
    // A held clock does not move, and the replay has nothing to say about it.
    if (recorder_ && !game_.clock.held())
        recorder_->advance(ms);
    return game_.clock.advance(ms);
}

void InputDoor::away()
{
    if (recorder_)
        recorder_->away();
    game_.frmHaupt().pauseWhileAway();
}

} // namespace gravok::replay
