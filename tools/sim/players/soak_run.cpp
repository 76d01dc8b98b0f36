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

// Speed by the wall clock; the CPU time beside it tells the game's own speed on a
// machine that is busy with other work.
void report(std::ostream& out, const Playthrough& run, double seconds, double cpuSeconds)
{
    const DesktopCounts& c = run.platform().counts();
    const double ticks = static_cast<double>(run.ticks());
    out << "games: " << c.gamesFinished << " (" << c.gamesFinished - c.completed << " game over, " << c.completed
        << " completed, " << c.gamesStarted - c.gamesFinished << " more abandoned for a new one)\n"
        << "levels cleared: " << run.levelsCleared() << "\n"
        << "ticks: " << run.ticks() << " (" << c.dialogs << " dialogs, " << c.names << " names, " << c.helpStarts
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
    run.recordTo(options.record);
    const auto violation = [&](const char* what) {
        return run.violation(out, options.seed, run.platform().counts().gamesStarted, what);
    };
    const auto play = [&] {
        if (const char* failed = run.start())
            return violation(failed);
        while (run.platform().counts().gamesFinished < options.games) {
            if (const char* failed = run.turn([&] { player.play(run.game()); }))
                return violation(failed);
            if (player.gameTicks() > StuckAfter)
                return violation(("the game has not ended after " + std::to_string(StuckAfter) + " ticks").c_str());
        }
        return 0;
    };
    const auto begin = std::chrono::steady_clock::now();
    const std::clock_t cpuBegin = std::clock();
    const int status = play();
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - begin;
    report(out, run, elapsed.count(), static_cast<double>(std::clock() - cpuBegin) / CLOCKS_PER_SEC);
    if (!run.writeRecording(err))
        return 2;
    return status;
}

} // namespace gravok
