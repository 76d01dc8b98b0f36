// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "play_support.h"

#include <fstream>
#include <sstream>


namespace gravok::test {

SimRun runSimWith(const Files& files, const std::string& script, std::uint64_t seed)
{
    ProgramDir dir;
    std::filesystem::remove(dir.path() / "Episode1.gvk");
    for (const auto& [name, bytes] : files)
        std::ofstream(dir.path() / name, std::ios::binary) << bytes;
    return runSimIn(dir.path(), script, seed);
}

SimRun playOneLevel(std::initializer_list<std::string> gravoks, const std::string& script)
{
    std::string file = "1\r\n";
    for (const auto& g : gravoks)
        file += g + "\r\n";
    return runSimWith({{"Episode1.gvk", file + "\r\n"}}, "click lblOK\n" + script);
}

std::string num(double v)
{
    std::ostringstream out;
    out.precision(10);
    out << v;
    return out.str();
}

std::string repeated(const std::string& draws, int times)
{
    std::string all = "random";
    for (int i = 0; i < times; ++i)
        all += " " + draws;
    return all + "\n";
}

std::string episode(std::initializer_list<std::string> lines)
{
    std::string out;
    for (const auto& l : lines)
        out += l + "\r\n";
    return out;
}

} // namespace gravok::test
