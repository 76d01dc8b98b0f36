// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/clock.h"
#include "core/form.h"

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
    int count(const std::string& name) const { return static_cast<int>(std::count(fired.begin(), fired.end(), name)); }

    VirtualClock clock;
    std::vector<std::string> fired;
    std::function<void(Control&)> onTick;

private:
    std::deque<Control> timers_; // keeps addresses stable
};

TEST_F(ClockTest, SameInstantFiresInTheOrderAdded)
{
    // The main window adds them in this order; the layout lists them the other way round.
    for (const char* name : {"tmeBewegung", "tmeGravokiten", "tmeSchuss", "tmeAniGravok", "tmeAniSchuss"})
        timer(name, 50);
    EXPECT_EQ(clock.advance(50), 5);
    EXPECT_EQ(fired,
              (std::vector<std::string>{"tmeBewegung", "tmeGravokiten", "tmeSchuss", "tmeAniGravok", "tmeAniSchuss"}));
}

TEST_F(ClockTest, EachTimerFiresOncePerInterval)
{
    timer("a", 200);
    timer("b", 50);
    timer("c", 100);
    EXPECT_EQ(clock.advance(1000), 35);
    EXPECT_EQ(count("a"), 5);
    EXPECT_EQ(count("b"), 20);
    EXPECT_EQ(count("c"), 10);
    EXPECT_EQ(clock.now(), 1000u);
    // At 200 ms all three fall due together, and a, added first, goes first.
    EXPECT_EQ(std::vector<std::string>(fired.begin(), fired.begin() + 7),
              (std::vector<std::string>{"b", "b", "c", "b", "a", "b", "c"}));
}

TEST_F(ClockTest, EnablingStartsTheIntervalAfresh)
{
    Control& t = timer("a", 50, false);
    EXPECT_EQ(clock.advance(30), 0);
    t.setEnabled(true);
    EXPECT_EQ(clock.untilNextTick(), 50);
    EXPECT_EQ(clock.advance(49), 0);
    EXPECT_EQ(clock.advance(1), 1);
}

TEST_F(ClockTest, OffAndOnAgainRestartsButOnAgainAloneDoesNot)
{
    Control& t = timer("a", 50);
    clock.advance(40);
    t.setEnabled(true); // already on: keeps its rhythm
    EXPECT_EQ(clock.advance(10), 1);
    clock.advance(20);
    t.setEnabled(false);
    t.setEnabled(true); // off and on at 70 ms: next tick at 120
    EXPECT_EQ(clock.advance(49), 0);
    EXPECT_EQ(clock.advance(1), 1);
}

TEST_F(ClockTest, EnablingInsideATickWaitsAFullInterval)
{
    timer("a", 50);
    Control& b = timer("b", 50, false);
    onTick = [&](Control& t) {
        if (t.Name == "a")
            b.setEnabled(true);
    };
    clock.advance(50);
    EXPECT_EQ(fired, std::vector<std::string>{"a"});
    clock.advance(50);
    EXPECT_EQ(fired, (std::vector<std::string>{"a", "a", "b"}));
}

TEST_F(ClockTest, DisablingInsideATickStopsLaterOnesDueTogether)
{
    timer("a", 50);
    Control& b = timer("b", 50);
    Control& c = timer("c", 50);
    onTick = [&](Control& t) {
        if (t.Name == "a") {
            b.setEnabled(false);
            c.setEnabled(false);
        }
    };
    EXPECT_EQ(clock.advance(50), 1);
    EXPECT_EQ(fired, std::vector<std::string>{"a"});
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
    EXPECT_FALSE(clock.held());
    EXPECT_EQ(clock.advance(50), 1);
    clock.release(); // one release too many does no harm
    EXPECT_FALSE(clock.held());
}

TEST_F(ClockTest, ATickIsNeverReentered)
{
    timer("a", 50);
    int inner = -1;
    onTick = [&](Control&) {
        if (inner < 0)
            inner = clock.advance(1000); // a modal dialog pumping time inside a tick
    };
    EXPECT_EQ(clock.advance(50), 1);
    EXPECT_EQ(inner, 0);
    EXPECT_EQ(clock.now(), 50u);
    EXPECT_FALSE(clock.held());
}

TEST_F(ClockTest, ATickThatThrowsReleasesTheClock)
{
    timer("a", 50);
    onTick = [](Control&) { throw std::runtime_error("boom"); };
    EXPECT_THROW(clock.advance(50), std::runtime_error);
    EXPECT_FALSE(clock.held());
}

} // namespace
} // namespace gravok
