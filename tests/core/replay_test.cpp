// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Recordings: their text and file, the links of list entries to them, their pruning, and
// games recorded and watched again.
#include <atomic>
#include <future>
#include <thread>

#include "replay/background_writer.h"
#include "sim_support.h"

namespace gravok {
namespace {

using namespace replay;
namespace fs = std::filesystem;

TEST(ReplayBase64, EncodesDecodesBackAndRefusesWhatNoEncoderWrites)
{
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},        {"f", "Zg=="},        {"fo", "Zm8="},
        {"foo", "Zm9v"}, {"foob", "Zm9vYg=="}, {std::string("\0\xff\r\n", 4), "AP8NCg=="}};
    for (const auto& [bytes, text] : cases) {
        EXPECT_EQ(toBase64(bytes), text);
        EXPECT_EQ(fromBase64(text), bytes) << text;
    }
    for (const char* text : {"Zg=", "Zm9", "Z===", "Zg=a", "Zh==", "Zm9v!A==", "Zm=v", "Zg==Zg=="})
        EXPECT_FALSE(fromBase64(text)) << text;
}

std::string header(int rules = RulesVersion)
{
    return "#@gravok-replay 1\n#@rules " + std::to_string(rules) + "\n#@random 42\n";
}

// The recorder sums the time until the next input; the file reads back what it wrote.
TEST(ReplayFile, ReadsBackWhatItWrites)
{
    Replay r;
    r.rules = RulesVersion;
    r.random = 18446744073709551615ull;
    r.episodes = {{1, std::string("1\r\n2,3\r\n")}, {3, std::nullopt}, {1, std::string()}};
    r.inputs = "click lblOK\nadvance 50\nkey Left\ninput \ninput A b\ninput-cancel\naway\ndown lbl(2)\nup lbl(2)\n";
    r.speed = 60;
    const auto parsed = parseReplay(formatReplay(r), RulesVersion);
    ASSERT_TRUE(std::holds_alternative<Replay>(parsed)) << std::get<Message>(parsed).text();
    const Replay& back = std::get<Replay>(parsed);
    EXPECT_EQ(std::tie(back.random, back.inputs, back.speed), std::tie(r.random, r.inputs, r.speed));
    ASSERT_EQ(back.episodes.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(std::tie(back.episodes[i].episode, back.episodes[i].bytes),
                  std::tie(r.episodes[i].episode, r.episodes[i].bytes))
            << i;

    Recorder rec(RulesVersion);
    rec.advance(50);
    rec.advance(33);
    rec.key(key::Left);
    rec.key(200);
    rec.pointer("click", "opt3");
    rec.input(std::string("Zwei\nZeilen"));
    rec.input(std::string());
    rec.input(std::nullopt);
    rec.advance(7);
    rec.away();
    rec.advance(1000);
    EXPECT_EQ(rec.text().find("#@speed"), std::string::npos) << "a run at full speed reads as an older one";
    for (const int speed : {80, 50, 90})
        rec.speed(speed);
    const auto recorded = parseReplay(rec.text(), RulesVersion);
    EXPECT_EQ(std::get<Replay>(recorded).speed, 50) << "the slowest of the run";
    ASSERT_TRUE(std::holds_alternative<Replay>(recorded)) << std::get<Message>(recorded).text();
    EXPECT_EQ(std::get<Replay>(recorded).inputs, "advance 83\nkey Left\nkey 200\nclick opt3\ninput Zwei Zeilen\n"
                                                 "input \ninput-cancel\nadvance 7\naway\nadvance 1000\n");
}

TEST(ReplayFile, RefusesWithAReason)
{
    const std::pair<std::string, std::string> cases[] = {
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
        {header() + "#@speed 55\n", "Spieltempo"},
        {header() + "#@speed\n", "unbekannte Kopfzeile"},
        {header() + "advance 5\n#@speed 60\n", "Zeile 5"},
        {header() + "set Schaden 5\n", "keine Eingabe"},
        {header() + "advance -5\n", "keine Eingabe"},
        {header() + "away now\n", "keine Eingabe"},
        {header() + "key\n", "keine Eingabe"}};
    for (const auto& [text, says] : cases) {
        const auto parsed = parseReplay(text, RulesVersion);
        ASSERT_TRUE(std::holds_alternative<Message>(parsed)) << text;
        const std::string why = std::get<Message>(parsed).text();
        EXPECT_NE(why.find(says), std::string::npos) << text << " -> " << why;
    }
}

// The window posts and goes on: while a write is slow only the newest text waiting follows
// it; flush and the end wait for what was posted, and a failure is told once.
TEST(BackgroundWriter, WritesTheNewestBehindThePosterAndWaitsWhenAsked)
{
    std::vector<std::string> written;
    std::atomic<bool> started = false;
    std::promise<void> open;
    const std::shared_future<void> gate = open.get_future().share();
    {
        BackgroundWriter writer([&](const std::string& text) -> std::optional<std::string> {
            started = true;
            gate.wait();
            written.push_back(text);
            return text == "voll" ? std::optional<std::string>("der Datenträger ist voll") : std::nullopt;
        });
        writer.post("a");
        while (!started)
            std::this_thread::yield();
        writer.post("b"); // the first write is held at the gate meanwhile
        writer.post("c");
        open.set_value();
        writer.flush();
        EXPECT_EQ(written, (std::vector<std::string>{"a", "c"}));
        writer.post("voll");
        writer.flush();
        EXPECT_EQ(writer.takeFailure(), "der Datenträger ist voll");
        EXPECT_EQ(writer.takeFailure(), std::nullopt);
        writer.post("d");
    }
    EXPECT_EQ(written.back(), "d");
    { // a writer with nothing to do ends too
        const BackgroundWriter idle([](const std::string&) { return std::optional<std::string>(); });
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

// Past its limit links.txt keeps the links whose replays are there, and the newest one, in
// half the limit: a live link that just fits stays, one a byte longer goes.
TEST(ReplayLinks, AFullLinksFileKeepsTheLiveLinks)
{
    const test::ProgramDir dir;
    test::writeBytes(dir.path() / "lebt", "x");
    const std::string adding = "neu\t1\t2\t/p/Punkte.lst", head = "lebt\t1\t0\t/p/";
    for (const std::size_t over : {0, 1}) {
        // Both lines with their ends take exactly half the limit, or a byte more.
        std::string text = head + std::string((2u << 20) + over - adding.size() - head.size() - 2, 'x') + "\n";
        while (text.size() < (4u << 20))
            text += "weg\t1\t1\t/p/Punkte.lst\n";
        test::writeBytes(dir.path() / LinksName, text);
        ASSERT_FALSE(appendLink(dir.path(), {"/p/Punkte.lst", 2, "neu", 1}));
        std::string names;
        for (const auto& link : readLinks(dir.path()))
            names += link.replay + " ";
        EXPECT_EQ(names, over ? "neu " : "lebt neu ") << over;
    }
}

// Equal ages: the later name counts as newer. The names, which begin with the start's time,
// give the order of files written at the same time; other files stay.
TEST(ReplayStore, KeepsTheNewestAndTheNamedAndNeverTheCurrentOne)
{
    std::vector<StoredReplay> files;
    files.reserve(8);
    for (int i = 0; i < 8; ++i)
        files.push_back({"r" + std::to_string(i), 100 + i / 2}); // two of each age
    EXPECT_EQ(replaysToPrune(files, {}, 8), std::vector<std::string>{});
    EXPECT_EQ(replaysToPrune(files, {}, 5), (std::vector<std::string>{"r2", "r1", "r0"}));
    EXPECT_EQ(replaysToPrune(files, {"r0", "r9"}, 5), (std::vector<std::string>{"r2", "r1"}));
    EXPECT_EQ(replaysToPrune(files, {"r3"}, 0), (std::vector<std::string>{"r7", "r6", "r5", "r4", "r2", "r1", "r0"}));

    const test::ProgramDir dir;
    for (int i = 0; i < 53; ++i)
        test::writeBytes(dir.path() / replayFileName(1'800'000'000 + i, 7), "x");
    test::writeBytes(dir.path() / "notes.txt", "x");
    const std::string oldest = replayFileName(1'800'000'000, 7), second = replayFileName(1'800'000'001, 7);
    pruneReplays(dir.path(), {second}, oldest);
    std::size_t left = 0;
    for (const auto& e : fs::directory_iterator(dir.path()))
        left += e.path().string().ends_with(ReplayExtension) ? 1 : 0;
    EXPECT_EQ(left, KeptRecentGames + 2);
    EXPECT_TRUE(fs::exists(dir.path() / oldest) && fs::exists(dir.path() / second));
    EXPECT_FALSE(fs::exists(dir.path() / replayFileName(1'800'000'002, 7)));
    EXPECT_TRUE(fs::exists(dir.path() / "notes.txt"));
}

// Of a torn last line and a blank one, the torn one counts and the blank one does not.
TEST(ReplayLinks, AppendGivesTheLineNumberReadListCounts)
{
    const test::ProgramDir dir;
    AppendInfo info{0, 99};
    ASSERT_FALSE(appendLine(dir.path(), "erste", &info));
    EXPECT_EQ(info.line, 0u);
    std::ofstream(dir.path() / ListName, std::ios::app | std::ios::binary) << "\r\nhalb";
    ASSERT_FALSE(appendLine(dir.path(), "dritte", &info));
    EXPECT_EQ(info.line, 2u);
    const ListLines back = readList(dir.path());
    ASSERT_EQ(back.lines.size(), 3u);
    EXPECT_EQ(back.lines[info.line], "dritte");
}

// Damaged lines of links.txt are passed over; every other link names the list another way.
TEST(ReplayLinks, TheTenBestEntriesOfEachListKeepTheirReplay)
{
    const test::ProgramDir dir;
    std::vector<ReplayLink> links;
    const int scores[] = {30, 120, 10, 50, 110, 20, 70, 90, 40, 100, 60, 80};
    for (std::size_t i = 0; i < std::size(scores); ++i) {
        AppendInfo info;
        ASSERT_FALSE(appendLine(dir.path(), test::encoded(entryText(std::to_string(scores[i]), "P", 1)), &info));
        links.push_back({i % 2 ? dir.path() / "." / ListName : dir.path() / ListName, info.line,
                         "r" + std::to_string(scores[i]), 1});
    }
    ASSERT_FALSE(appendLink(dir.path(), links[0]));
    std::ofstream(dir.path() / LinksName, std::ios::app) << "kaputt\n../x\t1\t0\t/a\nr\t1\tzwei\t/a\n";
    for (std::size_t i = 1; i < links.size(); ++i)
        ASSERT_FALSE(appendLink(dir.path(), links[i]));
    // A game played slower keeps its speed; a speed that is none leaves the line as it was.
    ASSERT_FALSE(appendLink(dir.path(), {dir.path() / ListName, 7, "slow", 2, 70}));
    std::ofstream(dir.path() / LinksName, std::ios::app) << "odd\t1\t8\t55%\t/a\n";
    auto back = readLinks(dir.path());
    ASSERT_EQ(back.size(), links.size() + 2);
    EXPECT_EQ(back[back.size() - 2], (ReplayLink{dir.path() / ListName, 7, "slow", 2, 70}));
    EXPECT_EQ(back.back(), (ReplayLink{"55%\t/a", 8, "odd", 1, 100}));
    back.resize(links.size());
    EXPECT_EQ(back[3], (ReplayLink{dir.path() / ListName, 3, "r50", 1}));
    EXPECT_EQ(bestReplays(back),
              (std::set<std::string>{"r30", "r40", "r50", "r60", "r70", "r80", "r90", "r100", "r110", "r120"}));
    const auto rows = rowLinks(back, {{dir.path() / "." / ListName, 4}, {dir.path() / ListName, 40}});
    EXPECT_EQ(rows[0]->replay, "r110");
    EXPECT_FALSE(rows[1]);
}

// The desktop of a window that shows a replay: dialogs and input boxes are served by the
// player, slice by slice, as the window's timer does.
class WatchingPlatform : public RecordingPlatform {
public:
    WatchingPlatform(fs::path dir, std::uint64_t seed, std::uint64_t slice)
        : RecordingPlatform(std::move(dir)), slice_(slice)
    {
        this->seed = seed;
    }
    ReplayPlayer* player = nullptr;
    void runModal(Form& form) override
    {
        for (int turns = 0; !form.closed() && !player->finished() && turns < 100000; ++turns)
            player->play(slice_);
        ASSERT_TRUE(form.closed() || player->finished()) << form.Name;
    }
    std::optional<std::string> inputBox(const std::string&, const std::string&) override { return player->answer(); }

private:
    std::uint64_t slice_;
};

// Watches R in slices of SLICE ms to its end; the game's dump then, and games loaded.
std::pair<std::string, int> watch(const Replay& r, std::uint64_t slice, int* paused = nullptr)
{
    ScratchDir scratch(GRAVOK_DATA_DIR);
    WatchingPlatform platform(scratch.programDir(), r.random, slice);
    Game game(platform);
    game.random.reseed(r.random);
    ReplayPlayer player(game, r);
    platform.player = &player;
    player.start();
    for (int turns = 0; !player.finished() && turns < 1000000; ++turns)
        player.play(slice);
    EXPECT_TRUE(player.finished());
    if (paused)
        *paused = game.frmHaupt().Pausiert;
    return {dumpJson(game), player.gamesLoaded()};
}

Replay golden(int episode, std::string* dump = nullptr)
{
    const std::string file = std::string(GRAVOK_SOURCE_DIR) + "/tests/replays/episode" + std::to_string(episode);
    const auto read = readReplayFile(file + ".replay");
    EXPECT_EQ(read.index(), 0u) << std::get<Message>(read).text();
    if (dump)
        std::getline(std::ifstream(file + ".replay.dump"), *dump);
    return std::get<Replay>(read);
}

// The golden games, cut into slices of any length, end where the harness ends them.
TEST(ReplayPlayer, SlicedPlayReachesTheRecordedEnd)
{
    for (const int episode : {1, 4}) {
        std::string expected;
        const Replay r = golden(episode, &expected);
        for (const std::uint64_t slice : {7u, 50u, 1000u})
            EXPECT_EQ(watch(r, slice), std::pair(expected, 1)) << "episode " << episode << ", slices of " << slice;
        // Played at 60 %, the same inputs in the same game time: the same end.
        Replay slower = r;
        slower.speed = 60;
        const auto back = parseReplay(formatReplay(slower), RulesVersion);
        ASSERT_TRUE(std::holds_alternative<Replay>(back));
        EXPECT_EQ(watch(std::get<Replay>(back), 50), std::pair(expected, 1)) << "episode " << episode << " at 60 %";
    }
}

// A run saved with the list open after a game won: the advance it was recorded in runs on
// past the tick that opened the list, and the showing still ends.
TEST(ReplayPlayer, ARunRecordedUpToAnOpenListEnds)
{
    Replay r;
    r.random = 1796711895308;
    r.episodes = {{4, "1\r\n10,4372,1500,0,0\r\n\r\n"}};
    r.inputs = "key Down\nkey Down\nkey Down\nkey Enter\nadvance 2300\nkey Space\nadvance 720\nkey Space\n"
               "advance 720\nkey Space\nadvance 600\ninput CAD\n";
    EXPECT_EQ(watch(r, 17).second, 1);
}

// The player looking away while recording paused the game; watching, it pauses there too.
TEST(ReplayPlayer, AwayPausesTheWatchedGame)
{
    Replay r = golden(1);
    for (const bool away : {false, true}) {
        r.inputs = std::string("click lblOK\nadvance 500\n") + (away ? "away\n" : "") + "advance 100\n";
        int paused = -1;
        watch(r, 50, &paused);
        EXPECT_EQ(paused, away ? 1 : 0) << away;
    }
}

} // namespace
} // namespace gravok

namespace gravok::replay {
namespace {

// Every control of the main window as the model has it.
std::string fieldOf(const FrmHaupt& h)
{
    std::string all;
    for (const auto& c : h.controls())
        all += c->fullName() + ' ' + std::to_string(c->Left) + ',' + std::to_string(c->Top) + ' ' +
               std::to_string(c->Visible) + ' ' + std::to_string(c->Picture()) + ' ' + c->Tag + ' ' + c->Caption + '\n';
    return all;
}

std::string listing(const fs::path& dir)
{
    std::string names;
    for (const auto& e : fs::recursive_directory_iterator(dir))
        names += e.path().string() + ' ' + std::to_string(e.is_regular_file() ? e.file_size() : 0) + '\n';
    return names;
}

// Before every movement tick of the four golden games the next one is foretold on a copy.
// Where no input came between, the real tick then leaves the whole field as foretold: every
// bounce, hit, shuttle contact and explosion of the games. A tick that starts a level, ends
// a game or opens a dialog is never foretold, and foretelling leaves no sound, no line of
// the desktop's log, no file and the random source as it was.
TEST(LookAhead, ForetellsTheGoldenGamesSilently)
{
    for (const int episode : {1, 2, 3, 4}) {
        const Replay r = golden(episode);
        ScratchDir scratch(GRAVOK_DATA_DIR);
        WatchingPlatform platform(scratch.programDir(), r.random, 50);
        Game game(platform);
        game.random.reseed(r.random);
        ReplayPlayer player(game, r);
        platform.player = &player;
        player.start();
        const FrmHaupt& h = game.frmHaupt();
        LookAhead look;
        int foretold = 0, exact = 0, unforeseen = 0;
        // The field just after the ticks of an instant, before the keys recorded there.
        std::string ticked;
        game.clock.onTick = [&](const Control&) { ticked = fieldOf(h); };
        for (int turns = 0; !player.finished() && turns < 1000000; ++turns) {
            const long long due = game.clock.nextTickOf(*h.tmeBewegung);
            const auto before = std::tuple(platform.log().size(), game.random.state(), game.random.queued());
            const std::string files = turns % 50 == 0 ? listing(scratch.programDir()) : "";
            platform.takeSounds();
            const bool ahead = look.predict(game);
            ASSERT_EQ(std::tuple(platform.log().size(), game.random.state(), game.random.queued()), before);
            ASSERT_TRUE(platform.takeSounds().empty());
            if (turns % 50 == 0) {
                ASSERT_EQ(listing(scratch.programDir()), files);
            }
            const std::size_t inputs = player.inputsDelivered();
            const int level = game.Start.Level;
            if (due < 0) {
                player.play(50);
                continue;
            }
            // Up to the tick's last millisecond, then the tick: the keys recorded right after
            // it come after it.
            if (static_cast<std::uint64_t>(due) > game.clock.now() + 1)
                player.play(static_cast<std::uint64_t>(due) - game.clock.now() - 1);
            const bool quiet = player.inputsDelivered() == inputs && !game.clock.held() &&
                               game.clock.now() + 1 == static_cast<std::uint64_t>(due);
            player.play(1);
            if (game.Start.Level != level || h.gameEnded()) {
                EXPECT_FALSE(ahead && quiet) << "episode " << episode << " at " << due;
                unforeseen += quiet ? 1 : 0;
            }
            if (!ahead || !quiet)
                continue;
            ++foretold;
            exact += fieldOf(look.next()) == ticked ? 1 : 0;
            if (exact != foretold) {
                ASSERT_EQ(fieldOf(look.next()), ticked) << "episode " << episode << " at " << due;
            }
        }
        EXPECT_GT(foretold, 800) << episode;
        EXPECT_GT(unforeseen, 0) << episode;
        EXPECT_FALSE(look.predict(game)) << "the game over, paused: " << episode;
    }
}

} // namespace
} // namespace gravok::replay
