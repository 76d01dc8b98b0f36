// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include "app/frm_haupt.h"
#include "core/numbers.h"
#include "paths.h"
#include "started_game.h"

namespace {

using gravok::bench::StartedGame;

// What the game's own code pays to move a gravok.
void BM_PropertyTyped(benchmark::State& state)
{
    StartedGame started;
    gravok::Control* img = started.game.frmHaupt().imgGravok(3);
    for (auto _ : state) {
        float top = img->Top;
        benchmark::DoNotOptimize(top);
        img->Top = top + 15.0f;
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PropertyTyped);

// What a harness script pays for the same value, by name and as text.
void BM_PropertyByPathGet(benchmark::State& state)
{
    StartedGame started;
    gravok::StatePaths paths(started.game);
    for (auto _ : state)
        benchmark::DoNotOptimize(paths.get("imgGravok(3).Top"));
}
BENCHMARK(BM_PropertyByPathGet);

void BM_PropertyByPathSet(benchmark::State& state)
{
    StartedGame started;
    gravok::StatePaths paths(started.game);
    const std::string value = "146.25";
    for (auto _ : state)
        benchmark::DoNotOptimize(paths.set("imgGravok(3).Top", value));
}
BENCHMARK(BM_PropertyByPathSet);

// Every tick compares Tags with numbers: parseStrict is on the hot path.
void BM_ParseStrictTag(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(gravok::parseStrict("1"));
}
BENCHMARK(BM_ParseStrictTag);

void BM_ReadLenientField(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(gravok::readLenient("  1200 "));
}
BENCHMARK(BM_ReadLenientField);

void BM_FloatText(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(gravok::floatText(2512.5f));
}
BENCHMARK(BM_FloatText);

} // namespace
