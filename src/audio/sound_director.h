// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <functional>
#include <string_view>

namespace gravok::audio {

class Mixer;

// Decides which of the game's sound requests reach the mixer. A pause silences the game:
// what sounds stops, and nothing new starts while it lasts, except the two sounds that
// announce the end of a game, which the end's own pause comes before. Muted, nothing
// plays at all.
class SoundDirector {
public:
    // Whether the game stands paused; asked at every request and at update().
    using PausedQuery = std::function<bool()>;
    // Told what happened and the mixer's frame count at that moment (for measuring).
    using Trace = std::function<void(std::string_view what, std::string_view name, std::uint64_t frame)>;

    // Without a mixer (no audio device) every request is dropped quietly.
    SoundDirector(Mixer* mixer, PausedQuery paused);

    void request(std::string_view name);
    // Looks whether the game has paused or resumed since the last look.
    void update();
    void setMuted(bool muted);
    [[nodiscard]] bool muted() const { return muted_; }
    [[nodiscard]] bool hasOutput() const { return mixer_ != nullptr; }

    Trace trace;

private:
    void note(std::string_view what, std::string_view name = {});

    Mixer* mixer_;
    PausedQuery pausedQuery_;
    bool paused_ = false;
    bool muted_ = false;
};

} // namespace gravok::audio
