// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <memory>
#include <string>

namespace gravok::audio {
class Mixer;
} // namespace gravok::audio

namespace gravok::sdl {

// The sound card through SDL2's audio subsystem alone: 48 kHz, 16 bits, mono, a short
// device buffer. SDL's own thread pulls every block from the mixer.
class AudioDevice {
public:
    static constexpr int BufferFrames = 512;

    // Opens the default output; nothing, with the reason in `error`, if there is none.
    static std::unique_ptr<AudioDevice> open(audio::Mixer& mixer, std::string& error);
    ~AudioDevice();
    AudioDevice(const AudioDevice&) = delete;
    AudioDevice& operator=(const AudioDevice&) = delete;

    // What SDL gave: the device buffer in frames, and the driver's name.
    [[nodiscard]] int bufferFrames() const { return frames_; }
    [[nodiscard]] const std::string& driver() const { return driver_; }

private:
    AudioDevice(std::uint32_t id, int frames, std::string driver);

    std::uint32_t id_;
    int frames_;
    std::string driver_;
};

} // namespace gravok::sdl
