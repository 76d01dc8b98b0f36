// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Time: the virtual clock's timers, the clock under the start-up dialog and the pause (what
// the pause shows and keeps is in scenarios/pause.sim), and the gamepad's held keys.
#include "sim_support.h"

namespace gravok {
namespace {

// A clock with timers of our own that write their names into a shared record.
class ClockTest : public testing::Test {
protected:
    Control& timer(const std::string& name, int interval, bool enabled = true)
    {
        Control& t = timers_.emplace_back(makeTimer(name, interval, enabled));
        clock.add(t, [this, &t] {
            fired.push_back(t.Name);
            if (onTick)
                onTick(t);
        });
        return t;
    }

    VirtualClock clock;
    std::vector<std::string> fired;
    std::function<void(Control&)> onTick;

private:
    std::deque<Control> timers_; // keeps addresses stable
};

// Timers due at the same instant fire in the order they were added.
TEST_F(ClockTest, EachTimerFiresOncePerInterval)
{
    timer("a", 200);
    timer("b", 50);
    timer("c", 100);
    EXPECT_EQ(clock.advance(1000), 35);
    EXPECT_EQ(clock.now(), 1000u);
    EXPECT_EQ(std::count(fired.begin(), fired.end(), "a"), 5);
    EXPECT_EQ(std::count(fired.begin(), fired.end(), "c"), 10);
    EXPECT_EQ(std::vector<std::string>(fired.begin(), fired.begin() + 7),
              (std::vector<std::string>{"b", "b", "c", "b", "a", "b", "c"}));
}

// Enabling a stopped timer starts its interval afresh; enabling a running one keeps its rhythm.
TEST_F(ClockTest, EnablingStartsTheIntervalAfresh)
{
    Control& t = timer("a", 50, false);
    Control& u = timer("b", 50);
    EXPECT_EQ(clock.advance(30), 0);
    t.setEnabled(true);
    EXPECT_EQ(clock.untilNextTick(), 20);
    u.setEnabled(true);
    EXPECT_EQ(clock.advance(20), 1);
    u.setEnabled(false);
    u.setEnabled(true); // off and on at 50 ms: next tick at 100
    EXPECT_EQ(clock.advance(29), 0);
    EXPECT_EQ(clock.advance(1), 1); // a, at 80
    EXPECT_EQ(clock.advance(19), 0);
    EXPECT_EQ(clock.advance(1), 1); // b, at 100
}

TEST_F(ClockTest, EnablingInsideATickWaitsAFullIntervalAndDisablingStopsLaterOnes)
{
    timer("a", 50);
    Control& b = timer("b", 50, false);
    Control& c = timer("c", 50);
    onTick = [&](Control& t) {
        if (t.Name == "a" && fired.size() == 1) {
            b.setEnabled(true);
            c.setEnabled(false);
        }
    };
    EXPECT_EQ(clock.advance(50), 1);
    clock.advance(50);
    EXPECT_EQ(fired, (std::vector<std::string>{"a", "a", "b"}));
}

TEST_F(ClockTest, AHeldClockNeitherMovesNorFires)
{
    timer("a", 50);
    clock.hold();
    clock.hold();
    EXPECT_EQ(clock.advance(500), 0);
    clock.release();
    EXPECT_EQ(clock.advance(500), 0); // holds nest
    EXPECT_EQ(clock.now(), 0u);
    clock.release();
    EXPECT_EQ(clock.advance(50), 1);
    clock.release(); // one release too many does no harm
    EXPECT_FALSE(clock.held());
}

// A modal dialog pumping time inside a tick moves nothing; a tick that throws lets go.
TEST_F(ClockTest, ATickIsNeverReenteredAndAThrowReleasesTheClock)
{
    timer("a", 50);
    int inner = -1;
    onTick = [&](Control&) {
        if (inner >= 0)
            throw std::runtime_error("boom");
        inner = clock.advance(1000);
    };
    EXPECT_EQ(clock.advance(50), 1);
    EXPECT_EQ(inner, 0);
    EXPECT_EQ(clock.now(), 50u);
    EXPECT_FALSE(clock.held());
    EXPECT_THROW(clock.advance(50), std::runtime_error);
    EXPECT_FALSE(clock.held());
}

TEST(StartedGame, NoTickRunsWhileTheStartUpDialogIsUpAndAPausedGameSleeps)
{
    test::InProcessGame g;
    bool held = false;
    int ticks = -1;
    g.platform.modalLoop = [&](Form& dialog) {
        held = g.game.clock.held();
        ticks = g.game.clock.advance(1000);
        dialog.click(dialog.at("lblOK"));
    };
    g.game.Main();
    EXPECT_TRUE(held);
    EXPECT_EQ(ticks, 0);
    EXPECT_FALSE(g.game.clock.held());
    // Afterwards the three game timers tick, each a full interval after the resume.
    EXPECT_EQ(g.game.clock.advance(49), 0);
    EXPECT_EQ(g.game.clock.advance(1), 3);
    // Paused, nothing is due at all; the resume starts a full interval again.
    g.game.clock.advance(30);
    g.game.frmHaupt().PauseUmschalten();
    EXPECT_EQ(g.game.clock.advance(1000), 0);
    EXPECT_EQ(g.game.clock.untilNextTick(), -1);
    g.game.frmHaupt().PauseUmschalten();
    EXPECT_EQ(g.game.clock.untilNextTick(), 50);
}

using namespace pad;
using C = Context;

TEST(PadKeys, EveryButtonGivesTheKeyOfItsWindow)
{
    const struct {
        Button button;
        std::optional<int> main, layer;
    } table[] = {{Button::Up, key::Up, key::Up},       {Button::Down, key::Down, key::Down},
                 {Button::Left, key::Left, key::Left}, {Button::Right, key::Right, key::Right},
                 {Button::A, key::Space, key::Enter},  {Button::B, std::nullopt, key::Escape},
                 {Button::Start, key::P, key::Enter},  {Button::Back, key::F4, std::nullopt},
                 {Button::Y, key::F2, std::nullopt},   {Button::X, key::F1, key::F1}};
    ASSERT_EQ(std::size(table), ButtonCount);
    for (const auto& r : table) {
        EXPECT_EQ(keyFor(r.button, C::Main), r.main) << static_cast<int>(r.button);
        EXPECT_EQ(keyFor(r.button, C::Layer), r.layer) << static_cast<int>(r.button);
    }
}

// A timeline of what the pad does and when.
struct Step {
    enum Op { Press, Release, Stick, Tick } op;
    long long at = 0;
    Button button = Button::A;
    Axis axis = Axis::LeftX;
    int value = 0;
    Context context = C::Main;
};

Step press(Button b, long long at, Context c = C::Main)
{
    return {Step::Press, at, b, Axis::LeftX, 0, c};
}
Step release(Button b)
{
    return {Step::Release, 0, b};
}
Step tick(long long at, Context c = C::Main)
{
    return {Step::Tick, at, Button::A, Axis::LeftX, 0, c};
}
Step stick(Axis a, int v, long long at)
{
    return {Step::Stick, at, Button::A, a, v};
}

// Every key a timeline causes, in order: the keys a held key would give. A tap, the dead zone
// and unplugging are met on the virtual pad in tests/sdl.
TEST(PadKeys, TimelinesGiveTheKeysAHeldKeyWould)
{
    const int S = key::Space, E = key::Enter, U = key::Up, D = key::Down, L = key::Left, R = key::Right;
    const Axis X = Axis::LeftX, Y = Axis::LeftY;
    const struct {
        const char* name;
        std::vector<Step> steps;
        std::vector<int> keys;
    } cases[] = {
        {"held A fires after the delay, then at the pace",
         {press(Button::A, 0), tick(499), tick(500), tick(539), tick(540), tick(580), release(Button::A), tick(700)},
         {S, S, S, S}},
        {"a late look gives one repeat, not a burst",
         {press(Button::A, 0), tick(2000), tick(2039), tick(2040)},
         {S, S, S}},
        {"Enter in a dialog never repeats", {press(Button::A, 0, C::Layer), tick(2000, C::Layer)}, {E}},
        {"Start pauses in the game, is OK in a dialog",
         {press(Button::Start, 0), release(Button::Start), press(Button::Start, 10, C::Layer)},
         {key::P, E}},
        {"B does nothing in the game", {press(Button::B, 0), tick(900)}, {}},
        {"a held fire stops when the name box opens, and stays stopped",
         {press(Button::A, 0), tick(500), tick(540, C::Layer), tick(580), tick(1000)},
         {S, S}},
        {"arrows repeat in dialogs too", {press(Button::Down, 0, C::Layer), tick(500, C::Layer)}, {D, D}},
        {"the stick past the dead zone is an arrow that repeats",
         {stick(X, DeadZone + 1, 0), tick(500), stick(X, ReleaseZone + 1, 510), tick(540), stick(X, ReleaseZone, 550),
          tick(580)},
         {R, R, R}},
        {"up and left are negative", {stick(Y, -20000, 0), stick(X, -20000, 0)}, {U, L}},
        {"a flick across is a new press", {stick(X, 20000, 0), stick(X, -20000, 10), stick(X, 20000, 20)}, {R, L, R}},
        {"a diagonal holds both arrows", {stick(X, 20000, 0), stick(Y, 20000, 0), tick(500)}, {R, D, D, R}},
        {"D-pad and stick the same way are one held key",
         {press(Button::Up, 0), stick(Y, -20000, 100), release(Button::Up), tick(500), stick(Y, 0, 520), tick(540)},
         {U, U}}};
    for (const auto& c : cases) {
        PadKeys pad(Timing{500, 40});
        std::vector<int> out;
        for (const Step& s : c.steps) {
            std::vector<int> keys;
            switch (s.op) {
            case Step::Press: keys = pad.press(s.button, s.context, s.at, PadKeys::Source::Pad); break;
            case Step::Release: pad.release(s.button, PadKeys::Source::Pad); break;
            case Step::Stick: keys = pad.axis(s.axis, s.value, s.context, s.at); break;
            case Step::Tick: keys = pad.tick(s.context, s.at); break;
            }
            out.insert(out.end(), keys.begin(), keys.end());
        }
        EXPECT_EQ(out, c.keys) << c.name;
    }
}

TEST(PadKeys, KnowsWhenItNextHasARepeat)
{
    PadKeys pad(Timing{500, 40});
    EXPECT_EQ(pad.nextDue(), std::nullopt);
    (void)pad.press(Button::Start, C::Main, 0);
    EXPECT_EQ(pad.nextDue(), std::nullopt);
    (void)pad.press(Button::Left, C::Main, 100);
    EXPECT_EQ(pad.nextDue(), 600);
    pad.releaseAll();
    EXPECT_FALSE(pad.held(Button::Left));
    EXPECT_EQ(pad.nextDue(), std::nullopt);
}

} // namespace
} // namespace gravok
