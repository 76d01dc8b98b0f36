// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/form.h"
#include "core/pad_keys.h"

namespace gravok::pad {
namespace {

using C = Context;

TEST(PadKeys, EveryButtonGivesTheKeyOfItsWindow)
{
    struct Row {
        Button button;
        std::optional<int> main, layer;
    };
    const std::vector<Row> table = {
        {Button::Up, key::Up, key::Up},       {Button::Down, key::Down, key::Down},
        {Button::Left, key::Left, key::Left}, {Button::Right, key::Right, key::Right},
        {Button::A, key::Space, key::Enter},  {Button::B, std::nullopt, key::Escape},
        {Button::Start, key::P, key::Enter},  {Button::Back, key::F4, std::nullopt},
        {Button::Y, key::F2, std::nullopt},   {Button::X, key::F1, key::F1},
    };
    ASSERT_EQ(table.size(), ButtonCount);
    for (const Row& r : table) {
        EXPECT_EQ(keyFor(r.button, C::Main), r.main) << static_cast<int>(r.button);
        EXPECT_EQ(keyFor(r.button, C::Layer), r.layer) << static_cast<int>(r.button);
    }
}

// A timeline of what the pad does and when; every key it causes, in order.
struct Step {
    enum Op { Press, Release, Stick, Tick, Unplug } op;
    long long at = 0;
    Button button = Button::A;
    Axis axis = Axis::LeftX;
    int value = 0;
    Context context = C::Main;
    PadKeys::Source source = PadKeys::Source::Pad;
};

std::vector<int> play(const std::vector<Step>& steps)
{
    PadKeys pad(Timing{500, 40});
    std::vector<int> out;
    for (const Step& s : steps) {
        std::vector<int> keys;
        switch (s.op) {
        case Step::Press: keys = pad.press(s.button, s.context, s.at, s.source); break;
        case Step::Release: pad.release(s.button, s.source); break;
        case Step::Stick: keys = pad.axis(s.axis, s.value, s.context, s.at); break;
        case Step::Tick: keys = pad.tick(s.context, s.at); break;
        case Step::Unplug: pad.releaseAll(); break;
        }
        out.insert(out.end(), keys.begin(), keys.end());
    }
    return out;
}

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
Step stick(Axis a, int v, long long at, Context c = C::Main)
{
    return {Step::Stick, at, Button::A, a, v, c};
}

struct Timeline {
    std::string name;
    std::vector<Step> steps;
    std::vector<int> keys;
};

void PrintTo(const Timeline& t, std::ostream* os)
{
    *os << t.name;
}

class PadTimeline : public testing::TestWithParam<Timeline> {};

TEST_P(PadTimeline, GivesTheKeysAHeldKeyWould)
{
    EXPECT_EQ(play(GetParam().steps), GetParam().keys) << GetParam().name;
}

const int S = key::Space, E = key::Enter, U = key::Up, D = key::Down, L = key::Left, R = key::Right;

INSTANTIATE_TEST_SUITE_P(
    Cases, PadTimeline,
    testing::Values(
        Timeline{"a tap fires once", {press(Button::A, 0), tick(10), release(Button::A), tick(600)}, {S}},
        Timeline{
            "held A fires after the delay, then at the pace",
            {press(Button::A, 0), tick(499), tick(500), tick(539), tick(540), tick(580), release(Button::A), tick(700)},
            {S, S, S, S}},
        Timeline{"a late look gives one repeat, not a burst",
                 {press(Button::A, 0), tick(2000), tick(2039), tick(2040)},
                 {S, S, S}},
        Timeline{"Enter in a dialog never repeats", {press(Button::A, 0, C::Layer), tick(2000, C::Layer)}, {E}},
        Timeline{"Start pauses in the game, is OK in a dialog",
                 {press(Button::Start, 0), release(Button::Start), press(Button::Start, 10, C::Layer)},
                 {key::P, E}},
        Timeline{"B does nothing in the game", {press(Button::B, 0), tick(900)}, {}},
        Timeline{"a held fire stops when the name box opens, and stays stopped",
                 {press(Button::A, 0), tick(500), tick(540, C::Layer), tick(580), tick(1000)},
                 {S, S}},
        Timeline{"arrows repeat in dialogs too", {press(Button::Down, 0, C::Layer), tick(500, C::Layer)}, {D, D}},
        Timeline{"the stick inside the dead zone is nothing", {stick(Axis::LeftX, DeadZone, 0), tick(900)}, {}},
        Timeline{"the stick past the dead zone is an arrow that repeats",
                 {stick(Axis::LeftX, DeadZone + 1, 0), tick(500), stick(Axis::LeftX, ReleaseZone + 1, 510), tick(540),
                  stick(Axis::LeftX, ReleaseZone, 550), tick(580)},
                 {R, R, R}},
        Timeline{"up and left are negative", {stick(Axis::LeftY, -20000, 0), stick(Axis::LeftX, -20000, 0)}, {U, L}},
        Timeline{"a flick across is a new press",
                 {stick(Axis::LeftX, 20000, 0), stick(Axis::LeftX, -20000, 10), stick(Axis::LeftX, 20000, 20)},
                 {R, L, R}},
        Timeline{"a diagonal holds both arrows",
                 {stick(Axis::LeftX, 20000, 0), stick(Axis::LeftY, 20000, 0), tick(500)},
                 {R, D, D, R}},
        Timeline{"D-pad and stick the same way are one held key",
                 {press(Button::Up, 0), stick(Axis::LeftY, -20000, 100), release(Button::Up), tick(500),
                  stick(Axis::LeftY, 0, 520), tick(540)},
                 {U, U}},
        Timeline{"unplugged mid-hold, nothing stays held",
                 {press(Button::A, 0),
                  stick(Axis::LeftX, 20000, 0),
                  {Step::Unplug},
                  tick(500),
                  tick(2000),
                  press(Button::A, 2100)},
                 {S, R, S}}),
    [](const testing::TestParamInfo<Timeline>& info) { return "t" + std::to_string(info.index); });

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
} // namespace gravok::pad
