// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "replay/replay_file.h"

namespace gravok::replay {

// Writes down a run as it is played: the virtual time between inputs and the inputs, in
// the harness's words. Time is only summed until the next input, so a tick costs an
// addition and a quiet minute one line.
class Recorder {
public:
    explicit Recorder(int rules);

    void randomState(std::uint64_t state) { replay_.random = state; }
    // The game speed now; the replay keeps the slowest of the run.
    void speed(int percent) { replay_.speed = std::min(replay_.speed, percent); }
    void episode(int n, const std::string* bytes);

    void advance(std::uint64_t ms) { pendingMs_ += ms; }
    void key(int code);
    // VERB is click, down or up; NAME the control as the harness names it (lbl(2), opt3).
    void pointer(std::string_view verb, std::string_view name);
    // An input box's answer; nothing for a cancel.
    void input(const std::optional<std::string>& answer);
    void away();

    // The whole file as it stands now, the time since the last input included.
    [[nodiscard]] std::string text() const;
    // Bytes of input lines so far.
    [[nodiscard]] std::size_t inputBytes() const { return replay_.inputs.size(); }
    [[nodiscard]] std::size_t episodeLoads() const { return replay_.episodes.size(); }

private:
    void flushTime();
    void line(std::string_view verb, std::string_view rest);

    Replay replay_;
    std::uint64_t pendingMs_ = 0;
};

// The word the harness knows a key by (Left, Space, F4), or its code.
[[nodiscard]] std::string keyWord(int code);

} // namespace gravok::replay
