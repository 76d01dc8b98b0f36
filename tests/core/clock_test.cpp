// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Time: the virtual clock's holds, the clock under the start-up dialog and the pause (what
// the pause shows and keeps is in scenarios/pause.sim), and the gamepad's held keys. When
// timers fire, in which order, and how enabling restarts them shapes every tick of the golden
// replays and the scenarios, which check it there.
#include "sim_support.h"

namespace gravok {
namespace {

// Holds nest, and one release too many does no harm. A modal dialog pumping time inside a
// tick moves nothing; a tick that throws lets go of the clock.
TEST(VirtualClock, HoldsNestAndATickIsNeverReentered)
{
    VirtualClock clock;
    Control timer = makeTimer("a", 50, true);
    int inner = -1, ticks = 0;
    clock.add(timer, [&] {
        if (++ticks == 2)
            inner = clock.advance(1000);
        else if (ticks == 3)
            throw std::runtime_error("boom");
    });
    clock.hold();
    clock.hold();
    EXPECT_EQ(clock.advance(500), 0);
    clock.release();
    EXPECT_EQ(clock.advance(500), 0);
    EXPECT_EQ(clock.now(), 0u);
    clock.release();
    EXPECT_EQ(clock.advance(50), 1);
    clock.release();
    EXPECT_FALSE(clock.held());
    EXPECT_EQ(clock.advance(50), 1);
    EXPECT_EQ(inner, 0);
    EXPECT_EQ(clock.now(), 100u);
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

// The keys a timeline of the pad causes, in order. Each step is pBUTTON@MS (press), rBUTTON@MS
// (release), t@MS (a look at the pad), xVALUE@MS or yVALUE@MS (the left stick); a step
// ending in L happens while a dialog or the name box is up.
std::vector<int> play(const std::string& timeline)
{
    const std::map<std::string, Button> buttons = {
        {"A", Button::A},       {"B", Button::B},       {"Start", Button::Start}, {"Up", Button::Up},
        {"Down", Button::Down}, {"Left", Button::Left}, {"Right", Button::Right}, {"X", Button::X},
        {"Y", Button::Y},       {"Back", Button::Back}};
    PadKeys pad(Timing{500, 40});
    std::vector<int> out, keys;
    std::istringstream in(timeline);
    for (std::string t; in >> t; out.insert(out.end(), keys.begin(), keys.end())) {
        const std::size_t at = t.find('@');
        const std::string arg = t.substr(1, at - 1);
        const long long when = std::stoll(t.substr(at + 1));
        const Context c = t.back() == 'L' ? C::Layer : C::Main;
        keys.clear();
        if (t[0] == 'p')
            keys = pad.press(buttons.at(arg), c, when, PadKeys::Source::Pad);
        else if (t[0] == 'r')
            pad.release(buttons.at(arg), PadKeys::Source::Pad);
        else if (t[0] == 't')
            keys = pad.tick(c, when);
        else
            keys = pad.axis(t[0] == 'x' ? Axis::LeftX : Axis::LeftY, std::stoi(arg), c, when);
    }
    return out;
}

// The keys a held key would give. A tap, the dead zone and unplugging are met on the virtual
// pad in tests/sdl.
TEST(PadKeys, TimelinesGiveTheKeysAHeldKeyWould)
{
    const int S = key::Space, E = key::Enter, U = key::Up, D = key::Down, L = key::Left, R = key::Right;
    const std::string pastDeadZone = "x" + std::to_string(DeadZone + 1) + "@0 t@500 x" +
                                     std::to_string(ReleaseZone + 1) + "@510 t@540 x" + std::to_string(ReleaseZone) +
                                     "@550 t@580";
    const std::tuple<const char*, std::string, std::vector<int>> cases[] = {
        {"held A fires after the delay, then at the pace",
         "pA@0 t@499 t@500 t@539 t@540 t@580 rA@0 t@700",
         {S, S, S, S}},
        {"a late look gives one repeat, not a burst", "pA@0 t@2000 t@2039 t@2040", {S, S, S}},
        {"Enter in a dialog never repeats", "pA@0L t@2000L", {E}},
        {"Start pauses in the game, is OK in a dialog", "pStart@0 rStart@0 pStart@10L", {key::P, E}},
        {"B opens the settings in the game, once", "pB@0 t@900", {key::F3}},
        {"the other buttons; in a dialog Y and Back do nothing",
         "pLeft@0 rLeft@0 pRight@0 rRight@0 pX@0 rX@0 pY@0 rY@0 pBack@0 rBack@0 pX@0L rX@0L pY@0L pBack@0L",
         {L, R, key::F1, key::F2, key::F4, key::F1}},
        {"a held fire stops when the name box opens, and stays stopped", "pA@0 t@500 t@540L t@580 t@1000", {S, S}},
        {"arrows repeat in dialogs too", "pDown@0L t@500L", {D, D}},
        {"the stick past the dead zone is an arrow that repeats", pastDeadZone, {R, R, R}},
        {"up and left are negative", "y-20000@0 x-20000@0", {U, L}},
        {"a flick across is a new press", "x20000@0 x-20000@10 x20000@20", {R, L, R}},
        {"a diagonal holds both arrows", "x20000@0 y20000@0 t@500", {R, D, D, R}},
        {"D-pad and stick the same way are one held key", "pUp@0 y-20000@100 rUp@0 t@500 y0@520 t@540", {U, U}}};
    for (const auto& [name, timeline, keys] : cases)
        EXPECT_EQ(play(timeline), keys) << name;
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
