// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The dump and the paths of get and set come from one list of variables: every variable
// the dump prints reads back by its name with the same value.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "sim_support.h"

namespace gravok::test {
namespace {

// The "variables" object of a dump line, without its levels.
std::string variablesOf(const std::string& dump)
{
    const auto from = dump.find("{\"variables\":{");
    const auto to = dump.find(",\"LevelDaten\":");
    if (from == std::string::npos || to == std::string::npos)
        return {};
    return dump.substr(from + 14, to - from - 14);
}

TEST(SimVariables, EveryDumpedVariableReadsBackByItsName)
{
    ProgramDir dir;
    // Distinct values, so that a name read from the wrong variable shows.
    const std::string setup = "click lblOK\nset Tempo 7\nset Zaehler2 -3\nset WarPausiert True\n"
                              "set SchussRichtung(9) 12\nset ExplosionsPhase(1) 2\nset Trefferpunkte 150\n";
    const SimRun first = runSimIn(dir.path(), setup + "dump\n");
    ASSERT_EQ(first.status, 0) << transcript(first);
    ASSERT_EQ(first.lines.size(), 1u) << transcript(first);
    const std::string vars = variablesOf(first.lines[0]);
    ASSERT_FALSE(vars.empty()) << first.lines[0];

    struct Read {
        std::string path, value;
    };
    std::vector<Read> reads;
    const std::regex scalar("\"(\\w+)\":(true|false|-?[0-9.e+]+)(?=,|$)");
    for (std::sregex_iterator m(vars.begin(), vars.end(), scalar), end; m != end; ++m) {
        const std::string v = (*m)[2];
        reads.push_back({(*m)[1], v == "true" ? "True" : v == "false" ? "False" : v});
    }
    const std::regex array("\"(\\w+)\":\\[([-0-9,]*)\\]");
    for (std::sregex_iterator m(vars.begin(), vars.end(), array), end; m != end; ++m) {
        const std::string name = (*m)[1];
        const int base = name == "GravokTypWert" || name == "ExplosionsPhase" ? 1 : 0;
        std::stringstream items((*m)[2]);
        int i = base;
        for (std::string item; std::getline(items, item, ','); ++i)
            reads.push_back({name + "(" + std::to_string(i) + ")", item});
    }
    EXPECT_EQ(reads.size(), 24u + 10 + 10 + 10 + 12);

    std::string script = setup;
    for (const auto& r : reads)
        script += "get " + r.path + "\n";
    const SimRun second = runSimIn(dir.path(), script);
    ASSERT_EQ(second.status, 0) << transcript(second);
    ASSERT_EQ(second.lines.size(), reads.size()) << transcript(second);
    for (std::size_t k = 0; k < reads.size(); ++k)
        EXPECT_EQ(second.lines[k], reads[k].value) << reads[k].path;
}

} // namespace
} // namespace gravok::test
