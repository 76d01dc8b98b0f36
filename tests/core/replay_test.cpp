// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <fstream>
#include <functional>
#include <set>
#include <string>
#include <variant>
#include <vector>

#include <gtest/gtest.h>

#include "app/frm_haupt.h"
#include "core/rules.h"
#include "dump.h"
#include "players/playthrough.h"
#include "players/scratch_dir.h"
#include "players/soak_player.h"
#include "replay/base64.h"
#include "replay/recorder.h"
#include "replay/replay_file.h"
#include "replay/replay_io.h"
#include "replay/replay_links.h"
#include "scores/kodierer.h"
#include "scores/list_file.h"
#include "scores/score_list.h"
#include "replay/replay_player.h"
#include "replay/replay_store.h"
#include "replay_run.h"
#include "sim_support.h"

namespace gravok {
namespace {

using replay::fromBase64;
using replay::parseReplay;
using replay::Recorder;
using replay::Replay;
using replay::toBase64;

TEST(ReplayBase64, EncodesAndDecodesBack)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", ""},        {"f", "Zg=="},        {"fo", "Zm8="},
        {"foo", "Zm9v"}, {"foob", "Zm9vYg=="}, {std::string("\0\xff\r\n", 4), "AP8NCg=="},
    };
    for (const auto& [bytes, text] : cases) {
        EXPECT_EQ(toBase64(bytes), text);
        EXPECT_EQ(fromBase64(text), bytes) << text;
    }
    std::string all;
    for (int c = 0; c < 256; ++c)
        all += static_cast<char>(c);
    EXPECT_EQ(fromBase64(toBase64(all)), all);
}

TEST(ReplayBase64, RefusesWhatNoEncoderWrites)
{
    for (const char* text : {"Zg=", "Zm9", "Z===", "Zg=a", "Zh==", "Zm9v!A==", "Zm=v", "Zg==Zg=="})
        EXPECT_FALSE(fromBase64(text)) << text;
}

std::string header(int rules = RulesVersion)
{
    return "#@gravok-replay 1\n#@rules " + std::to_string(rules) + "\n#@random 42\n";
}

TEST(ReplayFile, ReadsBackWhatItWrites)
{
    Replay r;
    r.rules = RulesVersion;
    r.random = 18446744073709551615ull;
    r.episodes = {{1, std::string("1\r\n2,3\r\n")}, {3, std::nullopt}, {1, std::string()}};
    r.inputs = "click lblOK\nadvance 50\nkey Left\ninput \ninput A b\ninput-cancel\naway\ndown lbl(2)\nup lbl(2)\n";
    const auto parsed = parseReplay(replay::formatReplay(r), RulesVersion);
    ASSERT_TRUE(std::holds_alternative<Replay>(parsed)) << std::get<std::string>(parsed);
    const Replay& back = std::get<Replay>(parsed);
    EXPECT_EQ(back.random, r.random);
    ASSERT_EQ(back.episodes.size(), 3u);
    EXPECT_EQ(back.episodes[0].bytes, r.episodes[0].bytes);
    EXPECT_EQ(back.episodes[1].episode, 3);
    EXPECT_FALSE(back.episodes[1].bytes);
    EXPECT_EQ(back.episodes[2].bytes, std::string());
    EXPECT_EQ(back.inputs, r.inputs);
}

TEST(ReplayFile, RefusesWithAReason)
{
    struct Case {
        std::string text;
        std::string says;
    };
    const std::vector<Case> cases = {
        {"", "keine Gravok-Aufzeichnung"},
        {"advance 50\n", "keine Gravok-Aufzeichnung"},
        {"#@gravok-replay 2\n#@rules 1\n#@random 1\n", "Format 2"},
        {"#@gravok-replay x\n", "Formatangabe"},
        {header(RulesVersion + 1), "Regeln der Version " + std::to_string(RulesVersion + 1)},
        {"#@gravok-replay 1\n#@random 1\n", "Regelversion fehlt"},
        {"#@gravok-replay 1\n#@rules 1\n", "Zufallszustand fehlt"},
        {"#@gravok-replay 1\n#@rules 1\n#@random -1\n", "Zufallszustand ist unlesbar"},
        {"#@gravok-replay 1\n#@rules 1\n#@random 18446744073709551616\n", "Zufallszustand ist unlesbar"},
        {header() + "#@episode 1 Zg=\n", "Inhalt der Episode"},
        {header() + "#@episode 0 missing\n", "Episodennummer"},
        {header() + "#@episode 2\n", "Episodennummer"},
        {header() + "advance 5\n#@episode 1 missing\n", "Zeile 5"},
        {header() + "#@seed 4\n", "unbekannte Kopfzeile"},
        {header() + "set Schaden 5\n", "keine Eingabe"},
        {header() + "advance -5\n", "keine Eingabe"},
        {header() + "away now\n", "keine Eingabe"},
        {header() + "key\n", "keine Eingabe"},
    };
    for (const Case& c : cases) {
        const auto parsed = parseReplay(c.text, RulesVersion);
        ASSERT_TRUE(std::holds_alternative<std::string>(parsed)) << c.text;
        EXPECT_NE(std::get<std::string>(parsed).find(c.says), std::string::npos)
            << c.text << " -> " << std::get<std::string>(parsed);
    }
}

TEST(ReplayRecorder, SumsTimeUntilTheNextInput)
{
    Recorder r(RulesVersion);
    r.advance(50);
    r.advance(33);
    r.key(key::Left);
    r.key(200);
    r.pointer("click", "opt3");
    r.input(std::string("Zwei\nZeilen"));
    r.input(std::string());
    r.input(std::nullopt);
    r.advance(7);
    r.away();
    r.advance(1000);
    const auto parsed = parseReplay(r.text(), RulesVersion);
    ASSERT_TRUE(std::holds_alternative<Replay>(parsed)) << std::get<std::string>(parsed);
    EXPECT_EQ(std::get<Replay>(parsed).inputs, "advance 83\nkey Left\nkey 200\nclick opt3\ninput Zwei Zeilen\n"
                                               "input \ninput-cancel\nadvance 7\naway\nadvance 1000\n");
}

TEST(ReplayIo, PlainAndCompressedReadTheSame)
{
    const test::ProgramDir dir;
    const std::string text = header() + std::string(5000, 'x') + "\n";
    for (const bool compress : {false, true}) {
        const auto file = dir.path() / (compress ? "r.replay.gz" : "r.replay");
        ASSERT_FALSE(replay::writeReplayText(file, text, compress));
        const auto back = replay::readReplayText(file);
        ASSERT_EQ(back.index(), 0u) << std::get<1>(back);
        EXPECT_EQ(std::get<0>(back), text);
        if (compress) {
            EXPECT_LT(std::filesystem::file_size(file), 200u);
        }
    }
    const auto missing = replay::readReplayText(dir.path() / "none");
    ASSERT_EQ(missing.index(), 1u);
    EXPECT_NE(std::get<1>(missing).find("fehlt"), std::string::npos);
    EXPECT_EQ(replay::readReplayText(dir.path()).index(), 1u); // a folder is no replay
}

// Past its limit links.txt keeps the links whose replays are there, and the newest one.
TEST(ReplayLinks, AFullLinksFileKeepsTheLiveLinks)
{
    const test::ProgramDir dir;
    std::ofstream(dir.path() / "lebt") << "x";
    std::string text = "lebt\t1\t0\t/p/Punkte.lst\n";
    while (text.size() < (4u << 20))
        text += "weg\t1\t1\t/p/Punkte.lst\n";
    std::ofstream(dir.path() / replay::LinksName, std::ios::binary) << text;
    ASSERT_FALSE(replay::appendLink(dir.path(), {"/p/Punkte.lst", 2, "neu", 1}));
    std::vector<std::string> names;
    for (const auto& l : replay::readLinks(dir.path()))
        names.push_back(l.replay);
    EXPECT_EQ(names, (std::vector<std::string>{"lebt", "neu"}));
}

TEST(ReplayStore, KeepsTheNewestAndTheNamed)
{
    std::vector<replay::StoredReplay> files;
    for (int i = 0; i < 8; ++i)
        files.push_back({"r" + std::to_string(i), 100 + i / 2}); // two of each age
    struct Case {
        std::size_t keepNewest;
        std::set<std::string> keep;
        std::vector<std::string> gone;
    };
    const std::vector<Case> cases = {
        {8, {}, {}},
        {5, {}, {"r2", "r1", "r0"}}, // equal ages: the later name counts as newer
        {5, {"r0", "r9"}, {"r2", "r1"}},
        {0, {"r3"}, {"r7", "r6", "r5", "r4", "r2", "r1", "r0"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(replay::replaysToPrune(files, c.keep, c.keepNewest), c.gone) << c.keepNewest;
}

TEST(ReplayStore, PrunesOnlyReplaysAndNeverTheCurrentOne)
{
    const test::ProgramDir dir;
    for (int i = 0; i < 53; ++i)
        std::ofstream(dir.path() / replay::replayFileName(1'800'000'000 + i, 7)) << "x";
    std::ofstream(dir.path() / "notes.txt") << "x";
    const std::string oldest = replay::replayFileName(1'800'000'000, 7);
    const std::string second = replay::replayFileName(1'800'000'001, 7);
    // Same write times: the names, which begin with the start's time, give the order.
    replay::pruneReplays(dir.path(), {second}, oldest);
    std::size_t left = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir.path()))
        left += e.path().string().ends_with(replay::ReplayExtension) ? 1 : 0;
    EXPECT_EQ(left, replay::KeptRecentGames + 2);
    EXPECT_TRUE(std::filesystem::exists(dir.path() / oldest));
    EXPECT_TRUE(std::filesystem::exists(dir.path() / second));
    EXPECT_FALSE(std::filesystem::exists(dir.path() / replay::replayFileName(1'800'000'002, 7)));
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "notes.txt"));
}

TEST(ReplayLinks, AppendGivesTheLineNumberReadListCounts)
{
    const test::ProgramDir dir;
    AppendInfo info{0, 99};
    ASSERT_FALSE(appendLine(dir.path(), "erste", &info));
    EXPECT_EQ(info.line, 0u);
    // A torn last line and a blank one: the torn one counts, the blank one does not.
    std::ofstream(dir.path() / ListName, std::ios::app | std::ios::binary) << "\r\nhalb";
    ASSERT_FALSE(appendLine(dir.path(), "dritte", &info));
    EXPECT_EQ(info.line, 2u);
    const ListLines back = readList(dir.path());
    ASSERT_EQ(back.lines.size(), 3u);
    EXPECT_EQ(back.lines[info.line], "dritte");
}

TEST(ReplayLinks, TheTenBestEntriesOfEachListKeepTheirReplay)
{
    const test::ProgramDir dir;
    const Kodierer kodierer;
    std::vector<replay::ReplayLink> links;
    // Scores 10, 20, ... 120 in mixed order; each entry linked to replay rN.
    const std::vector<int> scores = {30, 120, 10, 50, 110, 20, 70, 90, 40, 100, 60, 80};
    for (std::size_t i = 0; i < scores.size(); ++i) {
        AppendInfo info;
        ASSERT_FALSE(
            appendLine(dir.path(), kodierer.encode(entryText(std::to_string(scores[i]), "P", 1), Schluessel), &info));
        // Every other link names the list another way: one list, one key all the same.
        links.push_back({i % 2 ? dir.path() / "." / ListName : dir.path() / ListName, info.line,
                         "r" + std::to_string(scores[i]), 1});
    }
    ASSERT_FALSE(replay::appendLink(dir.path(), links[0]));
    std::ofstream(dir.path() / replay::LinksName, std::ios::app) << "kaputt\n../x\t1\t0\t/a\nr\t1\tzwei\t/a\n";
    for (std::size_t i = 1; i < links.size(); ++i)
        ASSERT_FALSE(replay::appendLink(dir.path(), links[i]));
    const auto back = replay::readLinks(dir.path());
    ASSERT_EQ(back.size(), links.size()); // the damaged lines are passed over
    EXPECT_EQ(back[3].replay, "r50");
    EXPECT_EQ(back[3].line, 3u);
    EXPECT_EQ(back[3].list, dir.path() / ListName);
    const std::set<std::string> best = replay::bestReplays(back);
    EXPECT_EQ(best, (std::set<std::string>{"r30", "r40", "r50", "r60", "r70", "r80", "r90", "r100", "r110", "r120"}));
    EXPECT_EQ(replay::linkOf(back, dir.path() / ListName, 4)->replay, "r110");
    EXPECT_FALSE(replay::linkOf(back, dir.path() / ListName, 40));
}

// A restless game recorded through the players' door, played back by the harness: the same
// state after every tick of every timer.
TEST(ReplayRoundTrip, SoakGamesPlayBackTickForTick)
{
    std::vector<std::size_t> recorded;
    std::string text;
    {
        ScratchDir scratch(GRAVOK_DATA_DIR);
        SoakPlayer player(11);
        Playthrough run(scratch, 11, player);
        Recorder recorder(RulesVersion);
        run.door().record(&recorder);
        Game& game = run.game();
        game.clock.onTick = [&](const Control&) { recorded.push_back(std::hash<std::string>{}(dumpJson(game))); };
        ASSERT_EQ(run.start(), nullptr);
        while (run.platform().counts().gamesFinished < 2 && run.ticks() < 20000) {
            ASSERT_EQ(run.act([&] { player.play(game); }), nullptr);
            ASSERT_EQ(run.tick(), nullptr);
        }
        run.door().record(nullptr);
        EXPECT_GE(recorder.episodeLoads(), 2u);
        text = recorder.text();
    }
    const auto parsed = parseReplay(text, RulesVersion);
    ASSERT_TRUE(std::holds_alternative<Replay>(parsed)) << std::get<std::string>(parsed);

    std::vector<std::size_t> played;
    ScratchDir scratch(GRAVOK_DATA_DIR);
    std::ostringstream out, err;
    const int status = playReplay(std::get<Replay>(parsed), scratch.programDir(), out, err,
                                  [&](Game& game) { played.push_back(std::hash<std::string>{}(dumpJson(game))); });
    EXPECT_EQ(status, 0) << err.str();
    ASSERT_GT(recorded.size(), 1000u);
    ASSERT_EQ(played.size(), recorded.size());
    for (std::size_t i = 0; i < recorded.size(); ++i)
        ASSERT_EQ(played[i], recorded[i]) << "first difference after timer tick " << i;
}

// The desktop of a window that shows a replay: dialogs and input boxes are served by the
// player, slice by slice, as the window's timer does.
class WatchingPlatform : public RecordingPlatform {
public:
    WatchingPlatform(std::filesystem::path dir, std::uint64_t seed, std::uint64_t slice)
        : RecordingPlatform(std::move(dir)), slice_(slice)
    {
        this->seed = seed;
    }
    replay::ReplayPlayer* player = nullptr;
    void runModal(Form& form) override
    {
        for (int turns = 0; !form.closed() && turns < 100000; ++turns)
            player->play(slice_);
        ASSERT_TRUE(form.closed()) << form.Name;
    }
    std::optional<std::string> inputBox(const std::string&, const std::string&) override { return player->answer(); }

private:
    std::uint64_t slice_;
};

// The golden games, cut into slices of any length, end where the harness ends them.
TEST(ReplayPlayer, SlicedPlayReachesTheRecordedEnd)
{
    for (const int episode : {1, 4}) {
        const std::string file =
            std::string(GRAVOK_SOURCE_DIR) + "/tests/replays/episode" + std::to_string(episode) + ".replay";
        const auto read = readReplayFile(file);
        ASSERT_EQ(read.index(), 0u) << std::get<std::string>(read);
        const Replay& r = std::get<Replay>(read);
        std::ifstream dumpFile(file + ".dump");
        std::string expected;
        std::getline(dumpFile, expected);
        for (const std::uint64_t slice : {7u, 50u, 1000u}) {
            ScratchDir scratch(GRAVOK_DATA_DIR);
            WatchingPlatform platform(scratch.programDir(), r.random, slice);
            Game game(platform);
            game.random.reseed(r.random);
            replay::ReplayPlayer player(game, r);
            platform.player = &player;
            player.start();
            for (int turns = 0; !player.finished() && turns < 1000000; ++turns)
                player.play(slice);
            EXPECT_TRUE(player.finished());
            EXPECT_EQ(player.gamesLoaded(), 1);
            EXPECT_EQ(dumpJson(game), expected) << "episode " << episode << ", slices of " << slice << " ms";
        }
    }
}

// The player looking away while recording paused the game; watching, it pauses there too.
TEST(ReplayPlayer, AwayPausesTheWatchedGame)
{
    const auto read = readReplayFile(std::string(GRAVOK_SOURCE_DIR) + "/tests/replays/episode1.replay");
    ASSERT_EQ(read.index(), 0u) << std::get<std::string>(read);
    Replay r = std::get<Replay>(read);
    for (const bool away : {false, true}) {
        r.inputs = std::string("click lblOK\nadvance 500\n") + (away ? "away\n" : "") + "advance 100\n";
        ScratchDir scratch(GRAVOK_DATA_DIR);
        WatchingPlatform platform(scratch.programDir(), r.random, 50);
        Game game(platform);
        game.random.reseed(r.random);
        replay::ReplayPlayer player(game, r);
        platform.player = &player;
        player.start();
        for (int turns = 0; !player.finished() && turns < 1000; ++turns)
            player.play(50);
        EXPECT_EQ(game.frmHaupt().Pausiert, away ? 1 : 0) << away;
    }
}

} // namespace
} // namespace gravok
