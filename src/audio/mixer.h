// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>

#include "audio/hand_over.h"
#include "audio/sound_bank.h"

namespace gravok::audio {

// Mixes up to Voices sounds into one 16-bit stream. The game thread asks (play, stopAll);
// the audio thread renders. Requests cross over a lock-free ring and take effect at the
// start of the next rendered block, so the audio thread never waits for the game.
class Mixer {
public:
    static constexpr int Voices = 16;
    static constexpr int UnityGain = 256;

    // Game thread. False if the request could not be handed over (the ring is full).
    // With every voice busy, the sound that started first gives way.
    bool play(const Sound& sound, int gain = UnityGain);
    bool stopAll();
    // The player's volume, 0 to 100 %: the whole sum is scaled by it, from the next block on.
    void setVolume(int percent) { volume_.store(percent < 0 ? 0 : percent > 100 ? 100 : percent); }
    [[nodiscard]] int volume() const { return volume_.load(); }

    // Audio thread: the next `frames` samples, mono.
    void render(std::int16_t* out, std::size_t frames);

    // Frames rendered so far; any thread.
    [[nodiscard]] std::uint64_t framesRendered() const { return rendered_.load(std::memory_order_acquire); }
    // Voices sounding after the last render; audio thread (or a test between renders).
    [[nodiscard]] int activeVoices() const;

private:
    struct Command {
        const Sound* sound = nullptr; // none: stop everything
        int gain = 0;
    };
    struct Voice {
        const Sound* sound = nullptr;
        std::size_t pos = 0;
        int gain = 0;
        std::uint64_t started = 0;
    };

    void take(const Command& c);
    void mixVoice(Voice& v, std::int32_t* acc, std::size_t frames);

    HandOver<Command, 64> commands_;
    std::array<Voice, Voices> voices_{};
    std::uint64_t starts_ = 0;
    std::atomic<std::uint64_t> rendered_{0};
    std::atomic<int> volume_{100};
};

} // namespace gravok::audio
