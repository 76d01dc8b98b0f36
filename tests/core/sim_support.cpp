// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim_support.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "core/form.h"
#include "harness.h"
#include "scores/kodierer.h"
#include "scores/score_list.h"

namespace gravok::test {

ProgramDir::ProgramDir()
{
    std::ofstream(path() / "Episode1.gvk", std::ios::binary) << "1\r\n3,1200,400,20,-15\r\n\r\n";
}

InProcessGame::InProcessGame()
{
    platform.modalLoop = [](Form& f) { f.click(f.at("lblOK")); };
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

SimRun playEpisode(const std::string& episodeLines, const std::string& script)
{
    const ProgramDir dir;
    return runSimIn(dir.path(), "episode " + episodeLines + "\nclick lblOK\n" + script);
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

std::string encoded(const std::string& text)
{
    return Kodierer{}.encode(text, Schluessel);
}

std::string bytesOf(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

void bindSocket(const std::filesystem::path& path)
{
    const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(s, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    ASSERT_LT(path.string().size(), sizeof addr.sun_path);
    std::strcpy(addr.sun_path, path.c_str());
    ASSERT_EQ(::bind(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    ::close(s); // the name stays, with no one listening
}

} // namespace gravok::test
