// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <array>
#include <filesystem>

#include "app/ahead_drawing.h"
#include "app/look_ahead.h"
#include "core/clock.h"
#include "core/form.h"
#include "started_game.h"

namespace {

using gravok::bench::StartedGame;

// The clock alone: the main window's five timers, all running, with empty ticks.
void BM_ClockAdvanceOneSecond(benchmark::State& state)
{
    std::array<gravok::Control, 5> timers = {
        gravok::makeTimer("tmeBewegung", 50, true), gravok::makeTimer("tmeGravokiten", 50, true),
        gravok::makeTimer("tmeSchuss", 50, true), gravok::makeTimer("tmeAniGravok", 100, true),
        gravok::makeTimer("tmeAniSchuss", 200, true)};
    gravok::VirtualClock clock;
    for (auto& t : timers)
        clock.add(t, [] {});
    long long ticks = 0;
    for (auto _ : state)
        ticks += clock.advance(1000);
    state.counters["ticks"] = benchmark::Counter(static_cast<double>(ticks), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_ClockAdvanceOneSecond);

// One second of play: the started game's timers with their real ticks.
void BM_GameOneSecond(benchmark::State& state)
{
    StartedGame started;
    long long ticks = 0;
    for (auto _ : state)
        ticks += started.game.clock.advance(1000);
    state.counters["ticks"] = benchmark::Counter(static_cast<double>(ticks), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_GameOneSecond);

// Main with the start-up dialog closed at once, no episode loaded.
void BM_GameStartUp(benchmark::State& state)
{
    gravok::RecordingPlatform platform(std::filesystem::temp_directory_path());
    for (auto _ : state) {
        gravok::Game game(platform);
        game.Main();
        benchmark::DoNotOptimize(game.windows().data());
        platform.takeLog();
    }
}
BENCHMARK(BM_GameStartUp);

// Ten gravoks drifting, the shuttle flying: the next tick foretold on a copy (the copy of
// the whole game and its tick).
void BM_LookAheadPredict(benchmark::State& state)
{
    StartedGame started(gravok::bench::BusyEpisode);
    for (int i = 0; i < 30; ++i)
        started.game.frmHaupt().frmHaupt_Form_KeyDown(gravok::key::Up, 0);
    started.game.clock.advance(1000);
    gravok::LookAhead look;
    if (!look.predict(started.game))
        state.SkipWithError("no next tick to foretell");
    for (auto _ : state)
        benchmark::DoNotOptimize(look.predict(started.game));
}
BENCHMARK(BM_LookAheadPredict);

// What the window pays at every tick and input (the prediction and every picture's way),
// and at every frame between ticks (every picture's drawn place).
void BM_AheadDrawingSample(benchmark::State& state)
{
    StartedGame started(gravok::bench::BusyEpisode);
    started.game.clock.advance(1000);
    gravok::AheadDrawing drawing(started.game);
    for (auto _ : state)
        drawing.sampled(1010);
}
BENCHMARK(BM_AheadDrawingSample);

void BM_AheadDrawingFrame(benchmark::State& state)
{
    StartedGame started(gravok::bench::BusyEpisode);
    started.game.clock.advance(1000);
    gravok::AheadDrawing drawing(started.game);
    drawing.sampled(1000);
    if (!drawing.ahead() || !drawing.anyMoves())
        state.SkipWithError("nothing drawn ahead");
    std::vector<gravok::AheadDrawing::Drawn> out;
    for (auto _ : state) {
        drawing.drawn(1025, out);
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_AheadDrawingFrame);

} // namespace
