#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "app/frm_haupt.h"
#include "app/game.h"
#include "core/recording_platform.h"
#include "play_support.h"

namespace gravok::test {
namespace {

// A two-level episode with its heart in level 2, good enough to play a little.
const std::string GoodEpisode = episode({"2", "3,1200,400,20,-15", "7,6000,900,-30,25", "", "1,100,100,1,1",
                                         "0,4500,3000", ""});

// What the desktop was asked, one entry each: a message may run over several printed
// lines, which belong to the entry above them.
std::vector<std::string> entries(const std::vector<std::string>& lines, std::size_t from, std::size_t to)
{
    static const char* const heads[] = {"start ", "open ", "inputbox ", "message ", "cursor ", "end"};
    std::vector<std::string> out;
    for (std::size_t i = from; i < to; ++i) {
        const std::string& l = lines[i];
        const bool head = std::any_of(std::begin(heads), std::end(heads), [&](const char* h) { return l.starts_with(h); });
        if (head || out.empty())
            out.push_back(l);
        else
            out.back() += "\n" + l;
    }
    return out;
}

// The program directory, as the help viewer's start line names it.
std::string programDirIn(const std::vector<std::string>& lines)
{
    for (const auto& l : lines)
        if (l.starts_with("start ")) {
            const std::size_t end = l.find("/zedezora ");
            return end == std::string::npos ? "" : l.substr(6, end - 6);
        }
    return "";
}

struct BrokenEpisode {
    const char* name;
    std::optional<std::string> bytes; // nothing: the file is missing
    const char* reason;               // a word of the message's reason
    int line;                         // the line it names, 0 for none
};

// Names the case in test output.
void PrintTo(const BrokenEpisode& c, std::ostream* os)
{
    *os << c.name;
}

class FailedLoad : public testing::TestWithParam<BrokenEpisode> {};

// A broken episode chosen over a running game: one message, the dialog stays, and after
// Escape the game is exactly as it was.
TEST_P(FailedLoad, ShowsOneMessageAndLeavesTheGameAsItWas)
{
    const BrokenEpisode& c = GetParam();
    Files files = {{"Episode1.gvk", GoodEpisode}};
    if (c.bytes)
        files["Episode2.gvk"] = *c.bytes;
    // Pausing and resuming once before the dump makes the timers' saved states current.
    const SimRun run = runSimWith(files, R"(click lblOK
key Right
key Up
key Up
advance 400
key Space
advance 100
key P
key P
dump
key F4
click opt2
key F1
log
windows
click lblOK
log
windows
key Escape
windows
dump
)");
    ASSERT_EQ(run.status, 0) << c.name << "\n" << transcript(run);
    const auto& out = run.lines;
    const auto first = std::find(out.begin(), out.end(), "frmHaupt frmNeu");
    ASSERT_NE(first, out.end()) << transcript(run);
    const auto second = std::find(first + 1, out.end(), "frmHaupt frmNeu");
    ASSERT_NE(second, out.end()) << c.name << ": the dialog closed\n" << transcript(run);
    ASSERT_EQ(out.end() - second, 3) << transcript(run);

    const auto log = entries(out, static_cast<std::size_t>(first - out.begin()) + 1,
                             static_cast<std::size_t>(second - out.begin()));
    const auto messages = std::count_if(log.begin(), log.end(), [](const auto& e) { return e.starts_with("message "); });
    EXPECT_EQ(messages, 1) << c.name << "\n" << transcript(run);
    const auto msg = std::find_if(log.begin(), log.end(), [](const auto& e) { return e.starts_with("message "); });
    if (msg != log.end()) {
        EXPECT_TRUE(msg->starts_with("message Die Episode kann nicht geladen werden: ")) << *msg;
        const std::string dir = programDirIn(out);
        ASSERT_FALSE(dir.empty()) << transcript(run);
        EXPECT_NE(msg->find(dir + "/Episode2.gvk"), std::string::npos) << *msg;
        EXPECT_NE(msg->find(c.reason), std::string::npos) << c.name << ": " << *msg;
        if (c.line > 0) {
            EXPECT_NE(msg->find("Zeile " + std::to_string(c.line)), std::string::npos) << c.name << ": " << *msg;
        }
    }
    // No hourglass is left standing.
    const auto lastBusy = std::find(log.rbegin(), log.rend(), "cursor busy");
    const auto lastDefault = std::find(log.rbegin(), log.rend(), "cursor default");
    EXPECT_NE(lastBusy, log.rend()) << transcript(run);
    EXPECT_TRUE(lastDefault < lastBusy) << c.name << ": the pointer stays busy\n" << transcript(run);

    EXPECT_EQ(out[out.size() - 2], "frmHaupt");
    EXPECT_EQ(out.back(), out.front()) << c.name << ": the game changed";
}

std::string elevenGravoks()
{
    std::string text = "1\r\n";
    for (int k = 0; k < 11; ++k)
        text += "1,0,0,0,0\r\n";
    return text + "\r\n";
}

INSTANTIATE_TEST_SUITE_P(
    All, FailedLoad,
    testing::Values(BrokenEpisode{"missing", std::nullopt, "fehlt", 0},
                    BrokenEpisode{"lf_only", "1\n1,0,0,0,0\n\n", "LF", 1},
                    BrokenEpisode{"no_level_count", episode({"zwei", ""}), "erste Zeile", 1},
                    // Level 1 and the heart read fine before level 2 breaks: none of it counts.
                    BrokenEpisode{"broken_level_2", episode({"2", "0,777,888", "9,1,2,3,4", "", "1,2,3"}), "fünf", 5},
                    BrokenEpisode{"picture_13", episode({"1", "13,0,0,0,0", ""}), "Bildnummer", 2},
                    BrokenEpisode{"picture_blank_0", episode({"1", " 0,0,0,0,0", ""}), "Bildnummer", 2},
                    BrokenEpisode{"picture_12_6", episode({"1", "12.6,0,0,0,0", ""}), "Bildnummer", 2},
                    BrokenEpisode{"dx_32758", episode({"1", "1,0,0,32758,0", ""}), "DX", 2},
                    BrokenEpisode{"dy_minus_32768", episode({"1", "1,0,0,0,-32768", ""}), "DY", 2},
                    BrokenEpisode{"eleven_gravoks", elevenGravoks(), "zehn", 12},
                    BrokenEpisode{"last_block_open", episode({"1", "1,0,0,0,0"}), "Leerzeile", 2}),
    [](const auto& info) { return std::string(info.param.name); });

// At start-up there is no game to go back to: the dialog waits for a file that loads.
TEST(EpisodeLoading, AFailedStartUpLoadWaitsForAnotherChoice)
{
    const SimRun run = runSimWith({{"Episode2.gvk", GoodEpisode}}, R"(log
click lblOK
log
key Escape
windows
expect Programmstart True
expect Pausiert 1
expect tmeBewegung.Enabled False
click lbl2
key Enter
windows
)" + expectLines({{"Episode", "2"}, {"Pausiert", "0"}, {"frmHaupt.Tag", "0"}, {"imgGravok(1).Picture", "103"}}));
    EXPECT_EQ(run.status, 0) << transcript(run);
    const auto log = entries(run.lines, 2, run.lines.size() - 2);
    EXPECT_EQ(std::count_if(log.begin(), log.end(), [](const auto& e) { return e.starts_with("message "); }), 1)
        << transcript(run);
    EXPECT_EQ(run.lines[run.lines.size() - 2], "frmHaupt frmNeu");
    EXPECT_EQ(run.lines.back(), "frmHaupt");
}

// After a refused file the same showing of the dialog can still start another episode.
TEST(EpisodeLoading, AnotherChoiceAfterAFailureStartsThatGame)
{
    const SimRun run = runSimWith({{"Episode1.gvk", GoodEpisode}, {"Episode3.gvk", episode({"1", "6,10,20,1,1", ""})}},
                                  "click lblOK\nkey P\nkey F4\nclick opt2\nclick lblOK\nclick opt3\nclick lblOK\nwindows\n" +
                                      expectLines({{"Episode", "3"},
                                                   {"Pausiert", "0"},
                                                   {"WarPausiert", "False"},
                                                   {"AnzahlLevel", "1"},
                                                   {"imgGravok(1).Picture", "106"},
                                                   {"imgGravok(2).Tag", "0"}}));
    EXPECT_EQ(run.status, 0) << transcript(run);
    EXPECT_EQ(run.lines.front(), "frmHaupt") << transcript(run);
}

struct Accepted {
    const char* line;
    const char* path;
    const char* value;
};

void PrintTo(const Accepted& c, std::ostream* os)
{
    *os << c.line;
}

class AcceptedGravokLine : public testing::TestWithParam<Accepted> {};

// The edges of what a gravok line may hold still load. Steps from -32767 to -32758 are
// left to ExtremeSteps: refusing them and bouncing them safely are both right.
TEST_P(AcceptedGravokLine, Loads)
{
    const Accepted& c = GetParam();
    const SimRun run = runSimWith({{"Episode1.gvk", episode({"1", c.line, ""})}},
                                  "click lblOK\nwindows\n" + expectLines({{c.path, c.value}}));
    EXPECT_EQ(run.status, 0) << c.line << "\n" << transcript(run);
    EXPECT_EQ(run.lines.front(), "frmHaupt") << transcript(run);
}

INSTANTIATE_TEST_SUITE_P(All, AcceptedGravokLine,
                         testing::Values(Accepted{"12.4,0,0,0,0", "imgGravok(1).Picture", "112"},
                                         Accepted{"&HC,0,0,0,0", "imgGravok(1).Picture", "112"},
                                         Accepted{"1,0,0,32757,0", "LevelDaten(1).Gravok(1).DX", "32757"},
                                         Accepted{"1,0,0,-32757,0", "LevelDaten(1).Gravok(1).DX", "-32757"},
                                         Accepted{"1,0,0,0,32757", "LevelDaten(1).Gravok(1).DY", "32757"},
                                         Accepted{"1,0,0,0,-32757", "LevelDaten(1).Gravok(1).DY", "-32757"}));

struct Bounce {
    const char* name;
    const char* slot2; // the gravok line of the one with the extreme step
    const char* draws; // sign, then amount
    const char* tick;
};

void PrintTo(const Bounce& c, std::ostream* os)
{
    *os << c.name;
}

class ExtremeSteps : public testing::TestWithParam<Bounce> {};

// Whatever steps the loader lets through, the first bounce must not end the program:
// either the file is refused, or the bounce brings the step back to -100..100.
TEST_P(ExtremeSteps, SurviveTheFirstBounce)
{
    const Bounce& c = GetParam();
    // Episode 1 has no gravoks, so a refused file leaves nothing to tick.
    const Files files = {{"Episode1.gvk", episode({"1", ""})},
                         {"Episode2.gvk", episode({"1", "1,4000,2800,0,0", c.slot2, ""})}};
    const SimRun run = runSimWith(files, std::string("click lblOK\nkey F4\nclick opt2\nclick lblOK\nkey Escape\n") +
                                             "get Episode\nkey Up\nrandom " + c.draws + "\ntick " + c.tick +
                                             "\nget LevelDaten(1).Gravok(2).DX\nget LevelDaten(1).Gravok(2).DY\n");
    ASSERT_EQ(run.status, 0) << c.name << ": the game ended\n" << transcript(run);
    ASSERT_EQ(run.lines.size(), 3u) << transcript(run);
    if (run.lines[0] == "1")
        return; // refused at loading: also fine
    for (std::size_t i = 1; i <= 2; ++i) {
        const int step = std::stoi(run.lines[i]);
        EXPECT_TRUE(step >= -100 && step <= 100) << c.name << ": " << step;
    }
}

INSTANTIATE_TEST_SUITE_P(
    All, ExtremeSteps,
    testing::Values(
        // Against gravok 1 lying on it: the sign -1 flips the step, then 1 is added.
        Bounce{"dx_min_flipped", "1,4000,2800,-32767,0", "0 0", "tmeGravokiten"},
        Bounce{"dy_min_flipped", "1,4000,2800,0,-32767", "0 0", "tmeGravokiten"},
        Bounce{"dx_max_plus_10", "1,4000,2800,32757,0", "0.9 0.95", "tmeGravokiten"},
        // Touched by the moving shuttle, which knocks it the same way.
        Bounce{"dx_min_on_shuttle", "1,4000,2800,-32767,0", "0 0 0 0 0", "tmeBewegung"}),
    [](const auto& info) { return std::string(info.param.name); });

// The heart is kept over a file without a heart line and replaced by one with.
TEST(EpisodeLoading, TheHeartSurvivesAFileWithoutOne)
{
    const Files files = {{"Episode1.gvk", GoodEpisode},
                         {"Episode2.gvk", episode({"1", "2,10,10,0,0", ""})},
                         {"Episode3.gvk", episode({"1", "2,10,10,0,0", "0,100,200", ""})}};
    const auto heart = [](const char* level, const char* x, const char* y) {
        return expectLines({{"HerzLevel", level}, {"HerzX", x}, {"HerzY", y}});
    };
    const SimRun run = runSimWith(files, "click opt2\nclick lblOK\n" + heart("0", "0", "0") +
                                             "key F4\nclick opt1\nclick lblOK\n" + heart("2", "4500", "3000") +
                                             "key F4\nclick opt2\nclick lblOK\n" + heart("2", "4500", "3000") +
                                             "key F4\nclick opt3\nclick lblOK\n" + heart("1", "100", "200") +
                                             expectLines({{"imgHerz.Top", "-2500"}}));
    EXPECT_EQ(run.status, 0) << transcript(run);
}

// Each new game reads its file again, so an edited file counts from the next game on.
TEST(EpisodeLoading, EachNewGameReadsTheFileAgain)
{
    ProgramDir dir;
    RecordingPlatform platform(dir.path());
    Game game(platform);
    platform.modalLoop = [](Form& form) { form.click(form.at("lblOK")); };
    const auto write = [&](const char* line) {
        std::ofstream(dir.path() / "Episode1.gvk", std::ios::binary) << episode({"1", line, ""});
    };
    write("3,100,200,0,0");
    game.Main();
    EXPECT_EQ(game.frmHaupt().imgGravok(1)->Picture(), 103);
    write("9,300,400,0,0");
    game.frmHaupt().keyDown(key::F4, 0);
    EXPECT_EQ(game.frmHaupt().imgGravok(1)->Picture(), 109);
    EXPECT_FLOAT_EQ(game.frmHaupt().imgGravok(1)->Left, 300.0f);
    EXPECT_EQ(game.frmHaupt().Pausiert, 0);
}

} // namespace
} // namespace gravok::test
