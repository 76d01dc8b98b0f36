// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "players/soak_run.h"

#include <chrono>
#include <ctime>
#include <memory>
#include <stdexcept>

#include "players/playthrough.h"
#include "players/soak_player.h"

namespace gravok {
namespace {

// A game that has not ended after this many ticks is stuck: even a reckless shuttle at
// full speed meets a gravok long before.
constexpr long StuckAfter = 500000;

struct SoakState {
    const SoakOptions& options;
    std::ostream& out;
    Playthrough& run;
    SoakPlayer& player;
};

int violation(SoakState& st, const char* what)
{
    return st.run.violation(st.out, st.options.seed, st.run.platform().counts().gamesStarted, what);
}

int play(SoakState& st)
{
    if (const char* failed = st.run.start())
        return violation(st, failed);
    while (st.run.platform().counts().gamesFinished < st.options.games) {
        if (const char* failed = st.run.turn([&] { st.player.play(st.run.game()); }))
            return violation(st, failed);
        if (st.player.gameTicks() > StuckAfter) {
            const std::string stuck = "the game has not ended after " + std::to_string(StuckAfter) + " ticks";
            return violation(st, stuck.c_str());
        }
    }
    return 0;
}

// Speed by the wall clock; the CPU time beside it tells the game's own speed on a
// machine that is busy with other work.
void report(SoakState& st, double seconds, double cpuSeconds)
{
    const DesktopCounts& c = st.run.platform().counts();
    const double ticks = static_cast<double>(st.run.ticks());
    st.out << "games: " << c.gamesFinished << " (" << c.gamesFinished - c.completed << " game over, " << c.completed
           << " completed, " << c.gamesStarted - c.gamesFinished << " more abandoned for a new one)\n"
           << "levels cleared: " << st.run.levelsCleared() << "\n"
           << "ticks: " << st.run.ticks() << " (" << c.dialogs << " dialogs, " << c.names << " names, " << c.helpStarts
           << " help starts)\n"
           << "ticks per second: " << static_cast<long long>(seconds > 0 ? ticks / seconds : 0) << " ("
           << static_cast<long long>(cpuSeconds > 0 ? ticks / cpuSeconds : 0) << " per second of CPU time)\n";
}

} // namespace

int runSoak(const SoakOptions& options, std::ostream& out, std::ostream& err)
{
    const std::unique_ptr<ScratchDir> scratch = openScratchDir(options.episodeDir, err);
    if (!scratch)
        return 2;
    SoakPlayer player(options.seed);
    Playthrough run(*scratch, options.seed, player);
    SoakState st{options, out, run, player};
    run.recordTo(options.record);
    const auto begin = std::chrono::steady_clock::now();
    const std::clock_t cpuBegin = std::clock();
    const int status = play(st);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - begin;
    report(st, elapsed.count(), static_cast<double>(std::clock() - cpuBegin) / CLOCKS_PER_SEC);
    if (!run.writeRecording(err))
        return 2;
    return status;
}

} // namespace gravok
