// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim_support.h"

#include <fstream>
#include <sstream>

#include "harness.h"

namespace gravok::test {

ProgramDir::ProgramDir()
{
    std::ofstream(path() / "Episode1.gvk", std::ios::binary) << "1\r\n3,1200,400,20,-15\r\n\r\n";
}

EnvGuard::EnvGuard(const char* name, const char* value) : name_(name)
{
    if (const char* old = std::getenv(name))
        old_ = old;
    value ? setenv(name, value, 1) : unsetenv(name);
}

EnvGuard::~EnvGuard()
{
    old_ ? setenv(name_, old_->c_str(), 1) : unsetenv(name_);
}

SimRun runSimIn(const std::filesystem::path& dir, const std::string& script, std::uint64_t seed)
{
    std::istringstream in(script);
    std::ostringstream out;
    std::ostringstream err;
    SimRun run;
    run.status = Harness(dir, seed, in, out, err).run();
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);)
        run.lines.push_back(line);
    run.err = err.str();
    return run;
}

std::string transcript(const SimRun& run)
{
    std::string text = "status " + std::to_string(run.status) + "\n";
    for (const auto& line : run.lines)
        text += line + "\n";
    return text + run.err;
}

std::string expectLines(const std::vector<Expectation>& table)
{
    std::string script;
    for (const auto& e : table)
        script += "expect " + e.path + " " + e.value + "\n";
    return script;
}

} // namespace gravok::test
