// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What one device block costs the audio thread: silence, and every voice busy.
#include <benchmark/benchmark.h>

#include <vector>

#include "audio/mixer.h"
#include "audio/sound_bank.h"
#include "sdl/audio_device.h"

namespace {

void BM_MixerBlock(benchmark::State& state)
{
    const int voices = static_cast<int>(state.range(0));
    const gravok::audio::Sound& longest = *gravok::audio::findSound("done");
    gravok::audio::Mixer mixer;
    std::vector<std::int16_t> out(gravok::sdl::AudioDevice::BufferFrames);
    std::size_t played = 0;
    for (auto _ : state) {
        // Keep the voices busy: restart them all before the sound runs out.
        played += out.size();
        if (played + out.size() >= longest.pcm.size() || played == out.size()) {
            mixer.stopAll();
            for (int v = 0; v < voices; ++v)
                mixer.play(longest);
            played = out.size();
        }
        mixer.render(out.data(), out.size());
        benchmark::DoNotOptimize(out.data());
    }
    // Share of one core the audio thread spends mixing in real time.
    state.counters["blocks/s"] = static_cast<double>(gravok::audio::SampleRate) / static_cast<double>(out.size());
}
BENCHMARK(BM_MixerBlock)->Arg(0)->Arg(4)->Arg(gravok::audio::Mixer::Voices);

} // namespace
