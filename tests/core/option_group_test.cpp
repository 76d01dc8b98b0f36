// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard of the new-game dialog's option group, through the harness: the player
// without a mouse moves the selection with the arrows and digits and starts with Enter.
#include <gtest/gtest.h>

#include "sim_support.h"

namespace gravok::test {
namespace {

struct OptionKeys {
    const char* name;
    const char* keys;   // pressed in the start-up dialog, blank-separated
    int selected;       // the option then selected
};

class OptionGroupKeys : public testing::TestWithParam<OptionKeys> {};

TEST_P(OptionGroupKeys, MoveTheSelection)
{
    const OptionKeys& c = GetParam();
    ProgramDir dir;
    std::string script;
    std::string keys = c.keys;
    for (std::size_t at = 0; at < keys.size();) {
        const std::size_t end = std::min(keys.find(' ', at), keys.size());
        script += "key " + keys.substr(at, end - at) + "\n";
        at = end + 1;
    }
    script += "windows\n";
    for (int n = 1; n <= 4; ++n)
        script += "expect frmNeu.opt" + std::to_string(n) + ".Value " + (n == c.selected ? "True" : "False") + "\n";
    const SimRun run = runSimIn(dir.path(), script);
    EXPECT_EQ(run.status, 0) << transcript(run);
    ASSERT_FALSE(run.lines.empty()) << transcript(run);
    EXPECT_EQ(run.lines[0], "frmHaupt frmNeu") << transcript(run);
}

INSTANTIATE_TEST_SUITE_P(Keys, OptionGroupKeys,
                         testing::Values(OptionKeys{"down", "Down", 2}, OptionKeys{"right", "Right", 2},
                                         OptionKeys{"down twice", "Down Down", 3},
                                         OptionKeys{"down wraps", "Down Down Down Down", 1},
                                         OptionKeys{"up wraps", "Up", 4}, OptionKeys{"left wraps", "Left", 4},
                                         OptionKeys{"up and back", "Down Down Up", 2},
                                         OptionKeys{"digit", "51", 3}, OptionKeys{"digit four", "52", 4},
                                         OptionKeys{"digit one after moving", "Up 49", 1},
                                         OptionKeys{"digit five does nothing", "Down 53", 2},
                                         OptionKeys{"zero does nothing", "Down 48", 2},
                                         OptionKeys{"other keys do nothing", "Space P F4 Down", 2},
                                         OptionKeys{"escape at start-up does nothing", "Down Escape", 2}),
                         [](const testing::TestParamInfo<OptionKeys>& info) {
                             std::string name = info.param.name;
                             for (char& ch : name)
                                 if (ch == ' ' || ch == '-')
                                     ch = '_';
                             return name;
                         });

} // namespace
} // namespace gravok::test
