// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/bindings.h"

#include <gtest/gtest.h>

#include "core/form.h"

namespace gravok::bind {
namespace {

using pad::Button;
constexpr int Ctrl = 17;

// Every action keeps a key of its own whatever is bound, and "Standard" brings the game's.
void expectOneKeyEach(const Bindings& b)
{
    for (const ActionRow& r : actions()) {
        EXPECT_EQ(b.actionOfKey(b.key(r.action)), r.action) << r.id;
        if (b.button(r.action)) {
            EXPECT_EQ(b.actionOfButton(*b.button(r.action)), r.action) << r.id;
        }
    }
}

TEST(Bindings, RebindSwapsAndStandardRestores)
{
    Bindings b;
    EXPECT_EQ(b.padKeys(), pad::defaultMainKeys());
    EXPECT_TRUE(b.bindKey(Action::Fire, Ctrl));
    EXPECT_EQ(b.gameCode(Ctrl), key::Space);
    EXPECT_EQ(b.gameCode(key::Space), std::nullopt); // Fire has moved away
    EXPECT_EQ(b.gameCode(key::Enter), key::Enter);
    EXPECT_EQ(b.gameCode(16), std::nullopt); // Shift: nothing the game knows
    // A clash swaps: turning left takes Ctrl, Fire gets the left arrow.
    EXPECT_TRUE(b.bindKey(Action::TurnLeft, Ctrl));
    EXPECT_EQ(b.key(Action::Fire), key::Left);
    EXPECT_EQ(b.gameCode(key::Left), key::Space);
    EXPECT_TRUE(b.bindKey(Action::Sound, 'Q'));
    EXPECT_EQ(b.gameCode('M'), std::nullopt);
    for (const int reserved : {key::Enter, key::Escape, key::F3, 0, 300})
        EXPECT_FALSE(b.bindKey(Action::Pause, reserved)) << reserved;
    // Pad: Fire to Y swaps with Info; B stays the settings button; a button-less action
    // taking a button leaves its owner without one.
    EXPECT_TRUE(b.bindButton(Action::Fire, Button::Y));
    EXPECT_EQ(b.button(Action::Info), Button::A);
    EXPECT_FALSE(b.bindButton(Action::Fire, Button::B));
    EXPECT_TRUE(b.bindButton(Action::Sound, Button::Start));
    EXPECT_EQ(b.button(Action::Pause), std::nullopt);
    const pad::MainKeys keys = b.padKeys();
    EXPECT_EQ(keys[size_t(Button::Y)], (pad::MainKey{key::Space, true}));
    EXPECT_EQ(keys[size_t(Button::Start)], (pad::MainKey{key::M, false}));
    expectOneKeyEach(b);
    // Kept and read back as they are.
    const auto kept = b.stored();
    const Bindings back = Bindings::fromStored([&](const std::string& k) -> std::optional<std::string> {
        return kept.contains(k) ? std::optional(kept.at(k)) : std::nullopt;
    });
    EXPECT_EQ(back.stored(), kept);
    b.reset();
    EXPECT_EQ(b.stored(), Bindings().stored());
}

// A stored table of any kind starts the game: what cannot be used is the default.
TEST(Bindings, HostileStoredValuesFallBack)
{
    using Stored = std::map<std::string, std::string>;
    const struct {
        const char* what;
        Stored stored;
        int fire, left;
        std::optional<Button> firePad, pausePad;
    } cases[] = {
        {"nothing kept", {}, key::Space, key::Left, Button::A, Button::Start},
        {"one rebound",
         {{"keys/fire", "17"}, {"pad/fire", "X"}, {"pad/help", "A"}},
         Ctrl,
         key::Left,
         Button::X,
         Button::Start},
        {"garbage",
         {{"keys/fire", "17x"}, {"keys/turnLeft", ""}, {"pad/fire", "Z"}},
         key::Space,
         key::Left,
         Button::A,
         Button::Start},
        {"out of range",
         {{"keys/fire", "-5"}, {"keys/turnLeft", "99999999999"}},
         key::Space,
         key::Left,
         Button::A,
         Button::Start},
        {"reserved",
         {{"keys/fire", "13"}, {"keys/turnLeft", "114"}, {"pad/fire", "B"}},
         key::Space,
         key::Left,
         Button::A,
         Button::Start},
        {"duplicate",
         {{"keys/fire", "17"}, {"keys/turnLeft", "17"}, {"pad/fire", "Start"}},
         key::Space,
         Ctrl,
         Button::A,
         Button::Start},
        {"on another's default",
         {{"keys/fire", "37"}, {"pad/pause", "-"}},
         key::Space,
         key::Left,
         Button::A,
         std::nullopt},
        {"a whole swap",
         {{"keys/fire", "37"}, {"keys/turnLeft", "32"}},
         key::Left,
         key::Space,
         Button::A,
         Button::Start},
        {"unknown names", {{"keys/jump", "17"}, {"pad/fire ", "X"}}, key::Space, key::Left, Button::A, Button::Start},
    };
    for (const auto& c : cases) {
        const Bindings b = Bindings::fromStored([&](const std::string& k) -> std::optional<std::string> {
            return c.stored.contains(k) ? std::optional(c.stored.at(k)) : std::nullopt;
        });
        EXPECT_EQ(b.key(Action::Fire), c.fire) << c.what;
        EXPECT_EQ(b.key(Action::TurnLeft), c.left) << c.what;
        EXPECT_EQ(b.button(Action::Fire), c.firePad) << c.what;
        EXPECT_EQ(b.button(Action::Pause), c.pausePad) << c.what;
        expectOneKeyEach(b);
    }
}

} // namespace
} // namespace gravok::bind
