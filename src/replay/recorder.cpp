// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "replay/recorder.h"

#include "core/form.h"

namespace gravok::replay {

std::string keyWord(int code)
{
    switch (code) {
    case key::F1: return "F1";
    case key::F2: return "F2";
    case key::F4: return "F4";
    case key::Left: return "Left";
    case key::Up: return "Up";
    case key::Right: return "Right";
    case key::Down: return "Down";
    case key::Space: return "Space";
    case key::P: return "P";
    case key::Enter: return "Enter";
    case key::Escape: return "Escape";
    default: return std::to_string(code);
    }
}

Recorder::Recorder(int rules)
{
    replay_.rules = rules;
    replay_.inputs.reserve(std::size_t{64} * 1024);
}

void Recorder::episode(int n, const std::string* bytes)
{
    replay_.episodes.push_back({n, bytes ? std::optional<std::string>(*bytes) : std::nullopt});
}

void Recorder::flushTime()
{
    if (pendingMs_ == 0)
        return;
    replay_.inputs += "advance ";
    replay_.inputs += std::to_string(pendingMs_);
    replay_.inputs += '\n';
    pendingMs_ = 0;
}

void Recorder::line(std::string_view verb, std::string_view rest)
{
    flushTime();
    replay_.inputs += verb;
    if (!rest.empty() || verb == "input") {
        replay_.inputs += ' ';
        replay_.inputs += rest;
    }
    replay_.inputs += '\n';
}

void Recorder::key(int code)
{
    line("key", keyWord(code));
}

void Recorder::pointer(std::string_view verb, std::string_view name)
{
    line(verb, name);
}

void Recorder::input(const std::optional<std::string>& answer)
{
    if (!answer) {
        line("input-cancel", "");
        return;
    }
    // A line end would end the command; an input box gives one line, so none is lost.
    std::string text = *answer;
    for (char& c : text)
        if (c == '\n' || c == '\r')
            c = ' ';
    line("input", text);
}

void Recorder::away()
{
    line("away", "");
}

std::string Recorder::text() const
{
    Replay whole = replay_;
    if (pendingMs_ > 0)
        whole.inputs += "advance " + std::to_string(pendingMs_) + "\n";
    return formatReplay(whole);
}

} // namespace gravok::replay
