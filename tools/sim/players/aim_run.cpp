// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "players/aim_run.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>

#include "app/frm_haupt.h"
#include "players/aim_player.h"
#include "players/playthrough.h"

namespace gravok {
namespace {

// Game time of a number of 50 ms ticks, as m:ss.
std::string gameTime(long ticks)
{
    const long seconds = ticks / 20;
    char text[32];
    std::snprintf(text, sizeof text, "%ld:%02ld", seconds / 60, seconds % 60);
    return text;
}

// What still stands in the level where an episode stopped, for whoever retunes the file.
void describeStop(std::ostream& out, Playthrough& run)
{
    Game& game = run.game();
    const StartModule& s = game.Start;
    const LevelSatz& level = s.LevelDaten(s.Level);
    int left = 0, hitsNeeded = 0, fastest = 0;
    for (int k = 1; k <= level.Anzahl; ++k) {
        if (game.frmHaupt().imgGravok(k)->Tag != "1")
            continue;
        const GravokSatz& g = level.Gravok(k);
        ++left;
        hitsNeeded += game.frmHaupt().GravokTypWert(g.Bild - 100) - g.Treffer;
        fastest = std::max({fastest, std::abs(int(g.DX)), std::abs(int(g.DY))});
    }
    out << "  stopped in level " << s.Level << " of " << s.AnzahlLevel << ": " << left << " of " << level.Anzahl
        << " gravoks left, " << hitsNeeded << " hits still needed, steps up to " << fastest
        << " twips per tick, damage " << s.Schaden << "\n";
}

// One line for the episode and, unless it was won, what stopped it.
bool reportEpisode(std::ostream& out, Playthrough& run, const AimPlayer& player, int episode, long ticks,
                   long hitsBefore)
{
    const StartModule& s = run.game().Start;
    const bool won = player.ending() == "Geschafft!";
    const int cleared = won ? int(s.AnzahlLevel) : int(s.Level) - 1;
    const std::string result = player.ended() ? player.ending() : "time limit";
    out << "episode " << episode << ": " << result << " (" << cleared << " of " << s.AnzahlLevel << " levels cleared), "
        << ticks << " ticks = " << gameTime(ticks) << " game time, hits taken: " << run.hits() - hitsBefore << "\n";
    if (!won)
        describeStop(out, run);
    return won;
}

} // namespace

int runAim(const AimOptions& options, std::ostream& out, std::ostream& err)
{
    const std::unique_ptr<ScratchDir> scratch = openScratchDir(options.episodeDir, err);
    if (!scratch)
        return 2;
    AimPlayer player;
    Playthrough run(*scratch, options.seed, player);
    run.recordTo(options.record);
    int status = 0;
    const int first = options.episode > 0 ? options.episode : 1;
    const int last = options.episode > 0 ? options.episode : 4;
    for (int episode = first; episode <= last; ++episode) {
        player.startEpisode(episode);
        const char* failed = episode == first ? run.start() : run.act([&] { run.door().key(key::F4); });
        if (failed)
            return run.violation(out, options.seed, episode, failed);
        const long hitsBefore = run.hits();
        // Plays until the game ends or time runs out.
        long ticks = 0;
        for (; !player.ended() && ticks < options.ticksPerEpisode; ++ticks) {
            if (const char* broken = run.turn([&] { player.play(run.game()); }))
                return run.violation(out, options.seed, episode, broken);
        }
        if (!reportEpisode(out, run, player, episode, ticks, hitsBefore))
            status = 1;
    }
    if (options.episode == 0)
        out << (status == 0 ? "all four episodes completed\n" : "not every episode was completed\n");
    if (!run.writeRecording(err))
        return 2;
    return status;
}

} // namespace gravok
