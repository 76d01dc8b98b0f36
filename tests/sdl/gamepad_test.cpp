// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The gamepad through SDL's own virtual joystick: no hardware, no uinput. What the pad's
// events become as keys (repeats, the dead zone) is PadKeys' part, tested in core.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <sys/stat.h>

#include "sdl/gamepad.h"
#include "temp_dir.h"

namespace gravok::sdl {
namespace {

namespace fs = std::filesystem;
using pad::Axis;
using pad::Button;
using Kind = PadEvent::Kind;
using Events = std::vector<PadEvent>;

Events one(Kind kind, Button button = Button::A, Axis axis = Axis::LeftX, int value = 0)
{
    return {PadEvent{kind, button, axis, value}};
}

// A private config home, so the player's own mappings stay out of the test.
struct ConfigHome {
    TempDir dir{"gravok-pad-test"};
    ConfigHome()
    {
        ::setenv("XDG_CONFIG_HOME", dir.path().c_str(), 1);
        ::unsetenv("SDL_GAMECONTROLLERCONFIG");
    }
};

// The mapping lists' name of the virtual pad's kind (its GUID without the check sum of
// its name), which SDL knows no mapping for: plugged in, it is no pad.
std::string unmappedGuid()
{
    Gamepad first;
    VirtualPad stick;
    EXPECT_TRUE(stick.attach(false));
    (void)first.poll();
    EXPECT_FALSE(first.connected());
    return stick.guid().replace(4, 4, "0000");
}

class VirtualGamepad : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(pad.available()) << "SDL's game-controller part did not start";
        ASSERT_TRUE(stick.attach());
        ASSERT_EQ(pad.poll(), one(Kind::Connected));
    }
    // What the pad reports once SDL has seen the virtual pad do LINE.
    Events after(const std::string& line)
    {
        EXPECT_TRUE(stick.command(line)) << line;
        return pad.poll();
    }

    ConfigHome home;
    Gamepad pad;
    VirtualPad stick;
};

// Every button once down and once up; held (as fire is), it says nothing more until let go.
TEST_F(VirtualGamepad, EveryButtonAndTheStickAreReportedOnce)
{
    EXPECT_EQ(pad.name(), "Gravok test pad");
    const std::pair<std::string, Button> buttons[] = {
        {"a", Button::A},       {"b", Button::B},         {"x", Button::X},   {"y", Button::Y},
        {"back", Button::Back}, {"start", Button::Start}, {"up", Button::Up}, {"down", Button::Down},
        {"left", Button::Left}, {"right", Button::Right},
    };
    for (const auto& [name, button] : buttons) {
        EXPECT_EQ(after("down " + name), one(Kind::Down, button)) << name;
        EXPECT_TRUE(pad.poll().empty()) << name << " held";
        EXPECT_EQ(after("up " + name), one(Kind::Up, button)) << name;
    }
    // The stick's values come through unchanged: one just inside the dead zone stays inside.
    const int inside = -pad::DeadZone + 100;
    EXPECT_EQ(after("axis lefty " + std::to_string(inside)), one(Kind::Move, Button::A, Axis::LeftY, inside));
    EXPECT_EQ(after("axis leftx 30000"), one(Kind::Move, Button::A, Axis::LeftX, 30000));
}

// Unplugged with a button held, the pad says so once; plugged in again, nothing is held.
TEST_F(VirtualGamepad, UnpluggingIsSeenOnceAndThePadComesBackFresh)
{
    EXPECT_EQ(after("down a"), one(Kind::Down));
    const Events gone = after("unplug");
    EXPECT_FALSE(pad.connected());
    EXPECT_EQ(std::count(gone.begin(), gone.end(), PadEvent{Kind::Disconnected}), 1);
    EXPECT_EQ(after("plug"), one(Kind::Connected));
    EXPECT_EQ(after("down a"), one(Kind::Down));
}

// A joystick SDL knows no mapping for is no pad, until the player's
// $XDG_CONFIG_HOME/gravok/gamecontrollerdb.txt maps it (here with A and B swapped);
// SDL_GAMECONTROLLERCONFIG, set for one run, wins over that file. Only a regular file is
// read: a pipe nobody writes to must not hang the start.
TEST(GamepadMappings, ThePlayersFileMakesAJoystickAPadAndTheEnvironmentWins)
{
    const ConfigHome home;
    const fs::path fifo = home.dir.path() / "pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const fs::path& refused : {home.dir.path() / "missing.txt", home.dir.path(), fifo})
        EXPECT_EQ(Gamepad().addMappings(refused), std::nullopt) << refused;
    EXPECT_EQ(playerMappingFile(), home.dir.path() / "gravok" / "gamecontrollerdb.txt");
    const std::string guid = unmappedGuid();
    fs::create_directories(home.dir.path() / "gravok");
    std::ofstream(home.dir.path() / "gravok" / "gamecontrollerdb.txt")
        << "# a comment line\n" + guid +
               ",Swapped pad,a:b1,b:b0,x:b2,y:b3,back:b4,start:b6,"
               "dpup:b11,dpdown:b12,dpleft:b13,dpright:b14,leftx:a0,lefty:a1,platform:Linux,\n";
    for (const bool fromEnvironment : {false, true}) {
        if (fromEnvironment)
            ::setenv("SDL_GAMECONTROLLERCONFIG", (guid + ",Run pad,a:b0,b:b1,leftx:a0,platform:Linux,").c_str(), 1);
        Gamepad pad;
        VirtualPad stick;
        ASSERT_TRUE(stick.attach(false));
        (void)pad.poll();
        ::unsetenv("SDL_GAMECONTROLLERCONFIG");
        ASSERT_TRUE(pad.connected());
        EXPECT_EQ(pad.name(), fromEnvironment ? "Run pad" : "Swapped pad");
        stick.set(Button::A, true);
        EXPECT_EQ(pad.poll(), one(Kind::Down, fromEnvironment ? Button::A : Button::B));
    }
}

} // namespace
} // namespace gravok::sdl
