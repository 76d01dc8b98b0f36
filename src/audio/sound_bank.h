// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <span>
#include <string_view>

namespace gravok::audio {

// Every sound plays at this rate, mono, 16 bits.
constexpr int SampleRate = 48000;

struct Sound {
    std::string_view name;
    std::span<const std::int16_t> pcm;
};

// The game's sounds, made by tools/soundgen at build time and compiled in.
std::span<const Sound> soundBank();

// Nothing for a name the bank does not hold.
const Sound* findSound(std::string_view name);

} // namespace gravok::audio
