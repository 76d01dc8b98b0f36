// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "players/aim_run.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

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

// Time and hits of each level the episode reached.
struct LevelLog {
    std::vector<std::string> entries;
    int level = 1;
    long startTick = 0;
    long startHits = 0;

    [[nodiscard]] std::string entry(long tick, long hits) const
    {
        return std::to_string(level) + " " + gameTime(tick - startTick) + "/" + std::to_string(hits - startHits);
    }
    void note(int now, long tick, long hits)
    {
        if (now == level)
            return;
        entries.push_back(entry(tick, hits));
        level = now;
        startTick = tick;
        startHits = hits;
    }
    // The level the episode stopped in, marked as not cleared.
    void stop(long tick, long hits) { entries.push_back(entry(tick, hits) + " (not cleared)"); }
};

// What still stands in the level where an episode stopped, for whoever retunes the file.
void describeStop(std::ostream& out, Playthrough& run, long levelHits)
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
        << " gravoks left, " << hitsNeeded << " hits still needed, steps up to " << fastest << " twips per tick, "
        << levelHits << " hits taken in this level, damage " << s.Schaden << "\n";
}

// One line for the episode, one for its levels and, unless it was won, what stopped it.
bool reportEpisode(std::ostream& out, Playthrough& run, const AimPlayer& player, int episode, LevelLog& levels,
                   long ticks, long hitsBefore)
{
    const StartModule& s = run.game().Start;
    const bool won = player.ending() == "Geschafft!";
    const int cleared = won ? int(s.AnzahlLevel) : int(s.Level) - 1;
    const std::string result = player.ended() ? player.ending() : "time limit";
    out << "episode " << episode << ": " << result << " (" << cleared << " of " << s.AnzahlLevel << " levels cleared), "
        << ticks << " ticks = " << gameTime(ticks) << " game time, hits taken: " << run.hits() - hitsBefore
        << "\n  levels (time/hits):";
    if (!won)
        levels.stop(ticks, run.hits());
    for (const auto& e : levels.entries)
        out << " " << e;
    out << "\n";
    if (!won)
        describeStop(out, run, run.hits() - levels.startHits);
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
        LevelLog levels{{}, 1, 0, hitsBefore};
        // Plays until the game ends or time runs out.
        long ticks = 0;
        for (; !player.ended() && ticks < options.ticksPerEpisode; ++ticks) {
            if (const char* broken = run.turn([&] { player.play(run.game()); }))
                return run.violation(out, options.seed, episode, broken);
            levels.note(run.game().Start.Level, ticks + 1, run.hits());
        }
        if (!reportEpisode(out, run, player, episode, levels, ticks, hitsBefore))
            status = 1;
    }
    if (options.episode == 0)
        out << (status == 0 ? "all four episodes completed\n" : "not every episode was completed\n");
    if (!run.writeRecording(err))
        return 2;
    return status;
}

} // namespace gravok
