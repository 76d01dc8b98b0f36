// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "replay_run.h"

#include <memory>
#include <sstream>

#include "app/game.h"
#include "core/rules.h"
#include "dump.h"
#include "harness.h"
#include "players/scratch_dir.h"
#include "replay/replay_io.h"

namespace gravok {
namespace {

// The episode loads in the order they were recorded. A game that asks for another
// episode than the recording did has gone its own way, and says so.
class RecordedEpisodes {
public:
    explicit RecordedEpisodes(const std::vector<replay::EpisodeLoad>& loads) : loads_(loads) {}

    std::optional<Message> operator()(int n, std::string& bytes)
    {
        if (next_ >= loads_.size())
            return GRAVOK_TEXT("Meldungen", "Die Aufzeichnung enthält keine weitere Episode.");
        const replay::EpisodeLoad& load = loads_[next_++];
        if (load.episode != n)
            return Message(GRAVOK_TEXT("Meldungen", "Die Aufzeichnung lädt hier Episode %1, nicht Episode %2."),
                           {Message::literal(std::to_string(load.episode)), Message::literal(std::to_string(n))});
        if (!load.bytes)
            return GRAVOK_TEXT("Meldungen", "Die Datei fehlt.");
        bytes = *load.bytes;
        return std::nullopt;
    }

private:
    const std::vector<replay::EpisodeLoad>& loads_;
    std::size_t next_ = 0;
};

} // namespace

std::variant<replay::Replay, Message> readReplayFile(const std::filesystem::path& file)
{
    auto text = replay::readReplayText(file);
    if (text.index() == 1)
        return std::get<1>(text);
    return replay::parseReplay(std::get<0>(text), RulesVersion);
}

int playReplay(const replay::Replay& replay, const std::filesystem::path& dir, std::ostream& out, std::ostream& err,
               const std::function<void(Game&)>& afterTick)
{
    std::istringstream inputs(replay.inputs);
    Harness harness(dir, replay.random, inputs, out, err);
    Game& game = harness.game();
    RecordedEpisodes episodes(replay.episodes);
    game.episodeTap.source = [&episodes](int n, std::string& bytes) { return episodes(n, bytes); };
    if (afterTick)
        game.clock.onTick = [&](const Control&) { afterTick(game); };
    const int status = harness.run();
    out << dumpJson(game) << "\n";
    out.flush();
    return status;
}

int runReplay(const std::filesystem::path& file, const std::filesystem::path& episodeDir, std::ostream& out,
              std::ostream& err)
{
    const auto read = readReplayFile(file);
    if (const auto* why = std::get_if<Message>(&read)) {
        err << "gravok-sim: " << why->text() << "\n";
        return 2;
    }
    const std::unique_ptr<ScratchDir> scratch = openScratchDir(episodeDir, err);
    if (!scratch)
        return 2;
    return playReplay(std::get<replay::Replay>(read), scratch->programDir(), out, err);
}

} // namespace gravok
