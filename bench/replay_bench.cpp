// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "core/files.h"
#include "core/form.h"
#include "core/rules.h"
#include "players/aim_player.h"
#include "players/playthrough.h"
#include "players/scratch_dir.h"
#include "replay/background_writer.h"
#include "replay/input_door.h"
#include "replay/recorder.h"
#include "replay/replay_io.h"
#include "replay/replay_links.h"
#include "started_game.h"
#include "temp_dir.h"

namespace {

using gravok::replay::Recorder;

// What recording adds to a tick: the time summed, and in the worst case a key every tick.
void BM_RecorderTickWithKey(benchmark::State& state)
{
    Recorder recorder(gravok::RulesVersion);
    for (auto _ : state) {
        recorder.advance(50);
        recorder.key(gravok::key::Space);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RecorderTickWithKey);

// A tick of a running game through the door, recording or not: the difference is the
// recorder's share.
void BM_DoorTick(benchmark::State& state)
{
    gravok::bench::StartedGame started;
    gravok::replay::InputDoor door(started.game);
    Recorder recorder(gravok::RulesVersion);
    if (state.range(0) != 0)
        door.record(&recorder);
    for (auto _ : state)
        benchmark::DoNotOptimize(door.advance(50));
    door.record(nullptr);
}
BENCHMARK(BM_DoorTick)->Arg(0)->Arg(1);

// Bytes per minute of play of the aiming player through episode 4, which presses a key
// almost every tick: the replay as text and as the window writes it, compressed.
void BM_ReplaySizePerMinute(benchmark::State& state)
{
    double plainPerMinute = 0;
    double packedPerMinute = 0;
    for (auto _ : state) {
        gravok::ScratchDir scratch(GRAVOK_DATA_DIR);
        gravok::AimPlayer player;
        player.startEpisode(4);
        gravok::Playthrough run(scratch, 1, player);
        Recorder recorder(gravok::RulesVersion);
        run.door().record(&recorder);
        if (run.start())
            state.SkipWithError("start failed");
        while (!player.ended() && run.ticks() < 24000) {
            if (run.act([&] { player.play(run.game()); }) || run.tick()) {
                state.SkipWithError("the game failed");
                break;
            }
        }
        run.door().record(nullptr);
        const auto file = std::filesystem::temp_directory_path() / "gravok-bench-size.replay.gz";
        if (gravok::replay::writeReplayText(file, recorder.text(), true))
            state.SkipWithError("cannot write");
        const auto packed = std::filesystem::file_size(file);
        std::filesystem::remove(file);
        const double minutes = static_cast<double>(run.ticks()) / 20.0 / 60.0;
        plainPerMinute = static_cast<double>(recorder.inputBytes()) / minutes;
        packedPerMinute = static_cast<double>(packed) / minutes;
    }
    state.counters["input_bytes_per_min"] = plainPerMinute;
    state.counters["gzip_bytes_per_min"] = packedPerMinute;
}
BENCHMARK(BM_ReplaySizePerMinute)->Iterations(1)->Unit(benchmark::kMillisecond);

// A long run: an hour with a key every tick.
Recorder hourRecorder()
{
    Recorder recorder(gravok::RulesVersion);
    const std::string episode(3000, 'x');
    recorder.episode(1, &episode);
    for (int tick = 0; tick < 20 * 3600; ++tick) {
        recorder.advance(50);
        recorder.key(tick % 3 == 0 ? gravok::key::Space : gravok::key::Left);
    }
    return recorder;
}

// The save of a long run, written compressed: what the writer's thread does.
void BM_ReplaySaveHour(benchmark::State& state)
{
    const Recorder recorder = hourRecorder();
    const auto file = std::filesystem::temp_directory_path() / "gravok-bench.replay.gz";
    for (auto _ : state)
        if (gravok::replay::writeReplayText(file, recorder.text(), true))
            state.SkipWithError("cannot write");
    state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(file));
    std::filesystem::remove(file);
}
BENCHMARK(BM_ReplaySaveHour)->Unit(benchmark::kMillisecond);

// The same save as the window makes it now: the text taken and handed to the writer's
// thread, which gzips and syncs it behind the window's back.
void BM_ReplayPostHour(benchmark::State& state)
{
    const Recorder recorder = hourRecorder();
    const auto file = std::filesystem::temp_directory_path() / "gravok-bench-post.replay.gz";
    gravok::replay::BackgroundWriter writer(
        [&file](const std::string& text) { return gravok::replay::writeReplayText(file, text, true); });
    for (auto _ : state)
        writer.post(recorder.text());
    writer.flush();
    std::filesystem::remove(file);
}
BENCHMARK(BM_ReplayPostHour)->Unit(benchmark::kMillisecond);

// A minute of frames at 60 Hz on one thread while an hour's recording is saved every 10 s,
// handed to the writer's thread (0), written on the frames' own thread as it once was (1),
// or not at all (2): the longest interval between two frames.
void BM_FramesWhileSavingHour(benchmark::State& state)
{
    using Clock = std::chrono::steady_clock;
    const Recorder recorder = hourRecorder();
    const auto file = std::filesystem::temp_directory_path() / "gravok-bench-frames.replay.gz";
    const auto save = [&file](const std::string& text) { return gravok::replay::writeReplayText(file, text, true); };
    gravok::replay::BackgroundWriter writer(save);
    const auto period = std::chrono::microseconds(16'667);
    double longest = 0;
    for (auto _ : state) {
        auto due = Clock::now() + period;
        auto last = Clock::now();
        for (int frame = 1; frame <= 60 * 60; ++frame) {
            std::this_thread::sleep_until(due);
            const auto now = Clock::now();
            longest = std::max(longest, std::chrono::duration<double, std::milli>(now - last).count());
            last = now;
            due += period;
            if (frame % 600 == 0 && state.range(0) == 0)
                writer.post(recorder.text());
            else if (frame % 600 == 0 && state.range(0) == 1)
                (void)save(recorder.text());
        }
    }
    writer.flush();
    state.counters["longest_ms"] = longest;
    std::filesystem::remove(file);
}
BENCHMARK(BM_FramesWhileSavingHour)->Arg(0)->Arg(1)->Arg(2)->Iterations(1)->Unit(benchmark::kSecond);

// The links of a links.txt at its limit, read from its newest end: what each list dialog
// and each start pays at most.
void BM_ReadLinksAtTheLimit(benchmark::State& state)
{
    const gravok::TempDir dir("gravok-bench");
    std::string text;
    while (text.size() < (4u << 20) - 100)
        text += "20261207-013000-4711.replay.gz\t1\t" + std::to_string(text.size() % 1000) +
                "\t/home/spieler/.local/share/gravok/Punkte.lst\n";
    (void)gravok::replaceFile(dir.path() / gravok::replay::LinksName, text, gravok::Links::Refuse);
    for (auto _ : state)
        benchmark::DoNotOptimize(gravok::replay::readLinks(dir.path()).size());
}
BENCHMARK(BM_ReadLinksAtTheLimit)->Unit(benchmark::kMillisecond);

// One link appended (opened, the last byte looked at, written, synced).
void BM_AppendLink(benchmark::State& state)
{
    const gravok::TempDir dir("gravok-bench");
    for (auto _ : state)
        benchmark::DoNotOptimize(gravok::replay::appendLink(dir.path(), {"/p/Punkte.lst", 3, "r.replay.gz", 1}));
}
BENCHMARK(BM_AppendLink)->Unit(benchmark::kMicrosecond);

} // namespace
