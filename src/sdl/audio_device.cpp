// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sdl/audio_device.h"

#include <dlfcn.h>

#define SDL_MAIN_HANDLED
#include <SDL.h>

#include "audio/mixer.h"
#include "audio/sound_bank.h"

namespace gravok::sdl {
namespace {

void pull(void* user, Uint8* stream, int bytes)
{
    auto* mixer = static_cast<audio::Mixer*>(user);
    mixer->render(reinterpret_cast<std::int16_t*>(stream), static_cast<std::size_t>(bytes) / sizeof(std::int16_t));
}

void silent(const char*, int, const char*, int, const char*, ...) {}

// Without a card ALSA writes a page of its own complaints to standard error while SDL
// tries it; SDL's one-line reason is all the player needs. SDL loads ALSA at run time, so
// we load the same library first and give it a handler that says nothing.
void quietAlsa()
{
    void* alsa = dlopen("libasound.so.2", RTLD_NOW | RTLD_GLOBAL);
    if (!alsa)
        return;
    using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
    using SetHandler = int (*)(Handler);
    if (auto set = reinterpret_cast<SetHandler>(dlsym(alsa, "snd_lib_error_set_handler")))
        set(silent);
    // Kept loaded: SDL holds it from here on.
}

} // namespace

std::unique_ptr<AudioDevice> AudioDevice::open(audio::Mixer& mixer, std::string& error)
{
    // The window belongs to Qt, and so do the signals: SDL only plays sound here.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Gravok");
    quietAlsa();
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        error = SDL_GetError();
        return nullptr;
    }
    SDL_AudioSpec want{};
    want.freq = audio::SampleRate;
    want.format = AUDIO_S16SYS;
    want.channels = 1;
    want.samples = BufferFrames;
    want.callback = pull;
    want.userdata = &mixer;
    SDL_AudioSpec have{};
    // No changes allowed: SDL converts if the card wants another format.
    const SDL_AudioDeviceID id = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (id == 0) {
        error = SDL_GetError();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return nullptr;
    }
    const char* driver = SDL_GetCurrentAudioDriver();
    std::unique_ptr<AudioDevice> device(new AudioDevice(id, have.samples, driver ? driver : ""));
    SDL_PauseAudioDevice(id, 0);
    return device;
}

AudioDevice::AudioDevice(std::uint32_t id, int frames, std::string driver)
    : id_(id), frames_(frames), driver_(std::move(driver))
{}

AudioDevice::~AudioDevice()
{
    // Waits for a running callback, so the mixer may go after us.
    SDL_CloseAudioDevice(id_);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

} // namespace gravok::sdl
