// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the high-score dialog over long lists: reading, decoding, ordering, filling.
#include <benchmark/benchmark.h>

#include <fstream>
#include <random>

#include "scores/frm_punkte.h"
#include "scores/kodierer.h"
#include "scores/list_file.h"
#include "scores/score_list.h"
#include "started_game.h"

namespace {

using namespace gravok;

// Scores from a few hundred values, so that most of them tie with others.
std::vector<std::string> randomEntries(std::size_t count)
{
    std::mt19937 rng(1993);
    std::vector<std::string> entries;
    entries.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const int score = static_cast<int>(rng() % 400) * 10 - 500;
        const int episode = 1 + static_cast<int>(i % 4);
        entries.push_back(entryText(std::to_string(score), "Spieler " + std::to_string(i), episode));
    }
    return entries;
}

void BM_OpenHighscoreDialog(benchmark::State& state)
{
    bench::QuietEpisodeDir dir;
    {
        std::ofstream out(dir.path() / ListName, std::ios::binary);
        const Kodierer kodierer;
        for (const auto& entry : randomEntries(static_cast<std::size_t>(state.range(0))))
            out << kodierer.encode(entry, Schluessel) << "\r\n";
    }
    RecordingPlatform platform(dir.path());
    Game game(platform);
    for (auto _ : state) {
        FrmPunkte dialog(game);
        dialog.frmPunkte_Form_Load();
        benchmark::DoNotOptimize(dialog.Liste->List.data());
        platform.takeLog();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_OpenHighscoreDialog)->Arg(32767)->Arg(100000)->Arg(MaxListLines)->Unit(benchmark::kMillisecond);

// Reading alone, up to the largest list the game accepts: what a reader costs the window.
void BM_ReadList(benchmark::State& state)
{
    bench::QuietEpisodeDir dir;
    {
        std::ofstream out(dir.path() / ListName, std::ios::binary);
        const Kodierer kodierer;
        for (const auto& entry : randomEntries(static_cast<std::size_t>(state.range(0))))
            out << kodierer.encode(entry, Schluessel) << "\r\n";
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(readList(dir.path()).lines.size());
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ReadList)->Arg(100000)->Arg(MaxListLines)->Unit(benchmark::kMillisecond);

// The order alone, the part that the game's own procedure made quadratic.
void BM_ListingOrder(benchmark::State& state)
{
    const auto entries = randomEntries(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(listingOrder(entries));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ListingOrder)->Arg(32767)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
