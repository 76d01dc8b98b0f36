// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The gamepad through SDL's own virtual joystick: no hardware, no uinput.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <sys/stat.h>

#include "core/form.h"
#include "core/pad_keys.h"
#include "sdl/gamepad.h"
#include "temp_dir.h"

namespace gravok::sdl {
namespace {

namespace fs = std::filesystem;
using pad::Button;
using Kind = PadEvent::Kind;
using Events = std::vector<PadEvent>;

PadEvent ev(Kind kind, Button button = Button::A)
{
    PadEvent e;
    e.kind = kind;
    e.button = button;
    return e;
}

// A private config home, so the player's own mappings stay out of the test.
class ConfigHome {
public:
    ConfigHome()
    {
        ::setenv("XDG_CONFIG_HOME", dir_.path().c_str(), 1);
        ::unsetenv("SDL_GAMECONTROLLERCONFIG");
    }
    [[nodiscard]] const fs::path& path() const { return dir_.path(); }
    // The player's mapping file, holding TEXT.
    void mappings(const std::string& text) const
    {
        fs::create_directories(path() / "gravok");
        std::ofstream(path() / "gravok" / "gamecontrollerdb.txt") << text;
    }

private:
    TempDir dir_{"gravok-pad-test"};
};

// The mapping lists' name of the virtual pad's kind (its GUID without the check sum of
// its name), which SDL knows no mapping for.
std::string unmappedGuid()
{
    Gamepad first;
    VirtualPad stick;
    EXPECT_TRUE(stick.attach(false));
    (void)first.poll();
    EXPECT_FALSE(first.connected());
    std::string guid = stick.guid();
    EXPECT_EQ(guid.size(), 32u);
    return guid.replace(4, 4, "0000");
}

class VirtualGamepad : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(pad.available()) << "SDL's game-controller part did not start";
        ASSERT_TRUE(stick.attach());
        events = pad.poll();
        ASSERT_TRUE(pad.connected());
    }

    // What the pad reports once SDL has seen the virtual pad's new state.
    std::vector<PadEvent> after(const std::function<void()>& change)
    {
        change();
        return pad.poll();
    }

    ConfigHome home;
    Gamepad pad;
    VirtualPad stick;
    std::vector<PadEvent> events;
};

TEST_F(VirtualGamepad, PluggingInIsSeenOnce)
{
    EXPECT_EQ(events, Events{ev(Kind::Connected)});
    EXPECT_EQ(pad.name(), "Gravok test pad");
    EXPECT_TRUE(pad.poll().empty());
}

TEST_F(VirtualGamepad, EveryButtonIsReportedDownAndUp)
{
    const std::vector<std::pair<std::string, Button>> names = {
        {"a", Button::A},       {"b", Button::B},         {"x", Button::X},   {"y", Button::Y},
        {"back", Button::Back}, {"start", Button::Start}, {"up", Button::Up}, {"down", Button::Down},
        {"left", Button::Left}, {"right", Button::Right},
    };
    for (const auto& entry : names) {
        const std::string& name = entry.first;
        const Button button = entry.second;
        EXPECT_EQ(after([&] { ASSERT_TRUE(stick.command("down " + name)); }), Events{ev(Kind::Down, button)}) << name;
        EXPECT_EQ(after([&] { ASSERT_TRUE(stick.command("up " + name)); }), Events{ev(Kind::Up, button)}) << name;
    }
}

// The whole way from SDL to keys: what the main window would get.
class PadToKeys : public VirtualGamepad {
protected:
    std::vector<int> feed(const std::vector<PadEvent>& in, long long now, pad::Context where = pad::Context::Main)
    {
        std::vector<int> out;
        for (const PadEvent& e : in) {
            std::vector<int> k;
            if (e.kind == Kind::Down)
                k = keys.press(e.button, where, now);
            else if (e.kind == Kind::Up)
                keys.release(e.button);
            else if (e.kind == Kind::Move)
                k = keys.axis(e.axis, e.value, where, now);
            else if (e.kind == Kind::Disconnected)
                keys.releaseAll();
            out.insert(out.end(), k.begin(), k.end());
        }
        const auto r = keys.tick(where, now);
        out.insert(out.end(), r.begin(), r.end());
        return out;
    }
    std::vector<int> at(long long now, const char* line = nullptr)
    {
        if (line) {
            EXPECT_TRUE(stick.command(line)) << line;
        }
        return feed(pad.poll(), now);
    }
    pad::PadKeys keys{pad::Timing{500, 40}};
};

TEST_F(PadToKeys, HeldFireRepeatsAndStopsOnRelease)
{
    EXPECT_EQ(at(0, "down a"), std::vector<int>{key::Space});
    EXPECT_EQ(at(300), std::vector<int>{});
    EXPECT_EQ(at(500), std::vector<int>{key::Space});
    EXPECT_EQ(at(540), std::vector<int>{key::Space});
    EXPECT_EQ(at(560, "up a"), std::vector<int>{});
    EXPECT_EQ(at(2000), std::vector<int>{});
}

TEST_F(PadToKeys, TheStickCountsOnlyPastTheDeadZone)
{
    const std::string inside = "axis lefty " + std::to_string(-pad::DeadZone + 100);
    const std::string past = "axis lefty " + std::to_string(-pad::DeadZone - 100);
    EXPECT_EQ(at(0, inside.c_str()), std::vector<int>{});
    EXPECT_EQ(at(10, past.c_str()), std::vector<int>{key::Up});
    EXPECT_EQ(at(510), std::vector<int>{key::Up});
    EXPECT_EQ(at(520, "axis lefty 0"), std::vector<int>{});
    EXPECT_EQ(at(2000), std::vector<int>{});
    EXPECT_EQ(at(2010, "axis leftx 30000"), std::vector<int>{key::Right});
}

TEST_F(PadToKeys, UnpluggedMidGameNothingStaysHeld)
{
    EXPECT_EQ(at(0, "down a"), std::vector<int>{key::Space});
    EXPECT_EQ(at(10, "axis leftx -30000"), std::vector<int>{key::Left});
    EXPECT_EQ(at(20, "down up"), std::vector<int>{key::Up});
    stick.detach();
    const auto gone = pad.poll();
    EXPECT_FALSE(pad.connected());
    EXPECT_EQ(std::count(gone.begin(), gone.end(), ev(Kind::Disconnected)), 1);
    EXPECT_EQ(feed(gone, 600), std::vector<int>{});
    EXPECT_EQ(keys.nextDue(), std::nullopt);
    for (const Button b : {Button::A, Button::Left, Button::Up})
        EXPECT_FALSE(keys.held(b));
    // Plugged in again, the same pad starts from nothing held.
    ASSERT_TRUE(stick.attach());
    EXPECT_EQ(feed(pad.poll(), 700), std::vector<int>{});
    EXPECT_TRUE(pad.connected());
    EXPECT_EQ(at(710, "down a"), std::vector<int>{key::Space});
}

// A joystick SDL knows no mapping for is no pad, until the player's
// $XDG_CONFIG_HOME/gravok/gamecontrollerdb.txt maps it (here with A and B swapped).
TEST(GamepadMappings, ThePlayersFileMakesAJoystickAPad)
{
    const ConfigHome home;
    home.mappings("# a comment line\n" + unmappedGuid() +
                  ",Swapped pad,a:b1,b:b0,x:b2,y:b3,back:b4,start:b6,"
                  "dpup:b11,dpdown:b12,dpleft:b13,dpright:b14,leftx:a0,lefty:a1,platform:Linux,\n");
    Gamepad pad;
    VirtualPad stick;
    ASSERT_TRUE(stick.attach(false));
    (void)pad.poll();
    ASSERT_TRUE(pad.connected());
    EXPECT_EQ(pad.name(), "Swapped pad");
    stick.set(Button::A, true);
    EXPECT_EQ(pad.poll(), Events{ev(Kind::Down, Button::B)});
}

// SDL_GAMECONTROLLERCONFIG, set for one run, wins over the player's file.
TEST(GamepadMappings, TheEnvironmentWinsOverTheFile)
{
    const ConfigHome home;
    const std::string guid = unmappedGuid();
    const std::string buttons = ",a:b0,b:b1,start:b6,dpup:b11,leftx:a0,lefty:a1,platform:Linux,";
    home.mappings(guid + ",File pad" + buttons + "\n");
    const std::string env = guid + ",Run pad" + buttons;
    ::setenv("SDL_GAMECONTROLLERCONFIG", env.c_str(), 1);
    Gamepad pad;
    VirtualPad stick;
    ASSERT_TRUE(stick.attach(false));
    (void)pad.poll();
    ::unsetenv("SDL_GAMECONTROLLERCONFIG");
    ASSERT_TRUE(pad.connected());
    EXPECT_EQ(pad.name(), "Run pad");
}

TEST(GamepadMappings, OnlyARegularFileIsRead)
{
    const ConfigHome home;
    Gamepad pad;
    ASSERT_TRUE(pad.available());
    EXPECT_EQ(playerMappingFile(), home.path() / "gravok" / "gamecontrollerdb.txt");
    EXPECT_EQ(pad.addMappings(home.path() / "missing.txt"), std::nullopt);
    EXPECT_EQ(pad.addMappings(home.path()), std::nullopt);
    // A pipe nobody writes to must not hang the start.
    const fs::path fifo = home.path() / "pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(pad.addMappings(fifo), std::nullopt);
    const fs::path empty = home.path() / "empty.txt";
    std::ofstream(empty).close();
    EXPECT_EQ(pad.addMappings(empty), 0);
}

} // namespace
} // namespace gravok::sdl
