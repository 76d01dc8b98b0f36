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

// An episode file from lines joined with CR LF (pass "" for a block's closing line).
std::string episode(std::initializer_list<std::string> lines);

} // namespace gravok::test
