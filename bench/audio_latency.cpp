// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// gravok-audio-latency: the time from a sound request to its first sample reaching the
// device. SDL's disk driver writes the device's blocks into a named pipe that we read as
// they come, so each block gets the moment it left the audio thread; the samples are then
// lined up with the request times. Needs no sound card.
//   gravok-audio-latency [REQUESTS]
//   gravok-audio-latency --volume   the level of one sound at 100, 50 and 10 % volume
#include <pthread.h>
#include <sched.h>
#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <unistd.h>
#include <fcntl.h>
#include <memory>
#include <vector>

#include "audio/mixer.h"
#include "audio/sound_bank.h"
#include "sdl/audio_device.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Chunk {
    std::size_t endFrame; // frames read so far, this chunk included
    Clock::time_point at;
};

// Reads the pipe to its end, noting when each piece arrived.
void readPipe(const std::string& path, std::vector<std::int16_t>& pcm, std::vector<Chunk>& chunks)
{
    // A late reader would make blocks look late: read at real-time priority where allowed.
    sched_param param{};
    param.sched_priority = sched_get_priority_min(SCHED_FIFO);
    pthread_setschedparam(pthread_self(), SCHED_FIFO, &param);
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0)
        return;
    std::vector<char> buf(1 << 16);
    std::string pending;
    for (;;) {
        const ssize_t n = ::read(fd, buf.data(), buf.size());
        const auto at = Clock::now();
        if (n <= 0)
            break;
        pending.append(buf.data(), static_cast<std::size_t>(n));
        const std::size_t whole = pending.size() / 2;
        for (std::size_t i = 0; i < whole; ++i)
            pcm.push_back(static_cast<std::int16_t>(static_cast<unsigned char>(pending[2 * i]) |
                                                    (static_cast<unsigned char>(pending[2 * i + 1]) << 8)));
        pending.erase(0, whole * 2);
        chunks.push_back({pcm.size(), at});
    }
    ::close(fd);
}

// When the block holding frame f was written. SDL writes through stdio, which gathers
// four blocks and passes them on only at the write of the fifth: the last block of a
// piece left one device period before the piece arrived, each earlier one a period more.
Clock::time_point writtenAt(std::size_t f, const std::vector<Chunk>& chunks, int blockFrames, Clock::duration period)
{
    const auto c = std::upper_bound(chunks.begin(), chunks.end(), f,
                                    [](std::size_t frame, const Chunk& ch) { return frame < ch.endFrame; });
    if (c == chunks.end())
        return chunks.back().at;
    // The last piece comes when the device closes, not with a later block.
    if (c + 1 == chunks.end())
        return c->at;
    const auto blocksBefore = static_cast<int>((c->endFrame - 1 - f) / static_cast<std::size_t>(blockFrames) + 1);
    return c->at - period * blocksBefore;
}

// The driver's own pace between two writes (it sleeps a whole number of milliseconds, a
// little less than a block lasts): the median over all pieces, which a stalled moment
// does not move.
Clock::duration typicalPeriod(const std::vector<Chunk>& chunks, int blockFrames)
{
    std::vector<Clock::duration> periods;
    for (std::size_t i = 1; i < chunks.size(); ++i) {
        const auto blocks =
            static_cast<long>((chunks[i].endFrame - chunks[i - 1].endFrame) / static_cast<std::size_t>(blockFrames));
        if (blocks > 0)
            periods.push_back((chunks[i].at - chunks[i - 1].at) / blocks);
    }
    if (periods.empty())
        return std::chrono::microseconds(1000000LL * blockFrames / gravok::audio::SampleRate);
    std::nth_element(periods.begin(), periods.begin() + static_cast<long>(periods.size() / 2), periods.end());
    return periods[periods.size() / 2];
}

// The explosion played at each volume, a quiet gap between; the RMS of each as the device
// got it, against the level at 100 %.
int measureVolume(gravok::audio::Mixer& mixer, std::vector<std::int16_t>& pcm,
                  std::unique_ptr<gravok::sdl::AudioDevice>& device, std::thread& reader)
{
    const gravok::audio::Sound& sound = *gravok::audio::findSound("explosion");
    const int volumes[] = {100, 50, 10};
    std::vector<std::uint64_t> starts;
    for (const int volume : volumes) {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        mixer.setVolume(volume);
        // The volume holds from the next block: the sound goes after it.
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        starts.push_back(mixer.framesRendered());
        mixer.play(sound);
        std::this_thread::sleep_for(
            std::chrono::milliseconds(1000 * sound.pcm.size() / gravok::audio::SampleRate + 100));
    }
    device.reset();
    reader.join();
    double full = 0;
    for (std::size_t i = 0; i < starts.size(); ++i) {
        std::size_t f = starts[i];
        while (f < pcm.size() && pcm[f] == 0)
            ++f;
        double sum = 0;
        const std::size_t end = std::min(pcm.size(), f + sound.pcm.size());
        for (std::size_t k = f; k < end; ++k)
            sum += double(pcm[k]) * pcm[k];
        const double rms = end > f ? std::sqrt(sum / double(end - f)) : 0;
        if (i == 0)
            full = rms;
        std::printf("volume %3d %%: RMS %.1f, %+.2f dB (intended %+.2f dB)\n", volumes[i], rms,
                    20 * std::log10(rms / full), 20 * std::log10(volumes[i] / 100.0));
    }
    return full > 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    const bool volume = argc > 1 && std::string(argv[1]) == "--volume";
    const int requests = argc > 1 && !volume ? std::atoi(argv[1]) : 60;
    const auto dir = std::filesystem::temp_directory_path() / ("gravok-latency-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string pipe = (dir / "device.pcm").string();
    if (::mkfifo(pipe.c_str(), 0600) != 0) {
        std::perror("mkfifo");
        return 1;
    }
    ::setenv("SDL_AUDIODRIVER", "disk", 1);
    ::setenv("SDL_DISKAUDIOFILE", pipe.c_str(), 1);

    std::vector<std::int16_t> pcm;
    std::vector<Chunk> chunks;
    std::thread reader([&] { readPipe(pipe, pcm, chunks); });
    gravok::audio::Mixer mixer;
    std::string why;
    auto device = gravok::sdl::AudioDevice::open(mixer, why);
    if (!device) {
        std::fprintf(stderr, "gravok-audio-latency: no device: %s\n", why.c_str());
        std::filesystem::remove_all(dir);
        return 1;
    }
    if (volume) {
        const int status = measureVolume(mixer, pcm, device, reader);
        std::filesystem::remove_all(dir);
        return status;
    }
    const gravok::audio::Sound& hit = *gravok::audio::findSound("hit");
    std::size_t lead = 0; // the sound's own silent start
    while (lead < hit.pcm.size() && hit.pcm[lead] == 0)
        ++lead;

    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    std::vector<std::pair<Clock::time_point, std::uint64_t>> asked;
    for (int i = 0; i < requests; ++i) {
        // Spacings that fall at every phase of the device period.
        std::this_thread::sleep_for(std::chrono::microseconds(120000 + (i * 7919) % 10667));
        asked.emplace_back(Clock::now(), mixer.framesRendered());
        mixer.play(hit);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const int block = device->bufferFrames();
    device.reset(); // closes the pipe: the reader sees its end
    reader.join();
    std::filesystem::remove_all(dir);

    const Clock::duration period = typicalPeriod(chunks, block);
    std::vector<double> ms;
    std::size_t previousEnd = 0;
    for (const auto& [at, frame] : asked) {
        // A late sound may still sound when the next is asked for: look past its end.
        std::size_t f = std::max<std::size_t>(frame, previousEnd);
        while (f < pcm.size() && pcm[f] == 0)
            ++f;
        if (f >= pcm.size())
            continue;
        previousEnd = f - std::min(lead, f) + hit.pcm.size();
        const auto onset = writtenAt(f - std::min(lead, f), chunks, block, period);
        ms.push_back(std::chrono::duration<double, std::milli>(onset - at).count());
    }
    if (ms.empty()) {
        std::fprintf(stderr, "gravok-audio-latency: no sound came out\n");
        return 1;
    }
    std::sort(ms.begin(), ms.end());
    const auto at = [&](double q) {
        return ms[std::min(ms.size() - 1, static_cast<std::size_t>(q * static_cast<double>(ms.size())))];
    };
    std::printf("disk driver, device buffer %d frames (%.1f ms), %zu of %d requests heard\n", block,
                1000.0 * block / gravok::audio::SampleRate, ms.size(), requests);
    std::printf("request to first sample at the device: min %.1f ms, median %.1f ms, 95%% %.1f ms, max %.1f ms\n",
                ms.front(), at(0.5), at(0.95), ms.back());
    // A busy machine can hold up SDL's thread now and then; the target is for the many.
    return at(0.95) < 30.0 ? 0 : 1;
}
