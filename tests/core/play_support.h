// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <map>
#include <string>

#include "sim_support.h"

namespace gravok::test {

// Files to lay into the program directory before the run, by name ("Episode1.gvk").
using Files = std::map<std::string, std::string>;

// Runs a harness script in a fresh program directory holding exactly these files.
SimRun runSimWith(const Files& files, const std::string& script, std::uint64_t seed = 1);

// A one-level episode of these gravok lines, chosen with OK; the shuttle starts at
// (4372, 3172), 855 square.
SimRun playOneLevel(std::initializer_list<std::string> gravoks, const std::string& script);

// A number as the harness prints it (up to ten significant digits).
std::string num(double v);

// A "random" command queueing the same draws `times` times.
std::string repeated(const std::string& draws, int times);

// An episode file from lines joined with CR LF (pass "" for a block's closing line).
std::string episode(std::initializer_list<std::string> lines);

} // namespace gravok::test
