// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// gravok-sim: the game without a window, driven by a script on standard input, or played
// by one of the built-in players (--soak N, --aim).
#include <charconv>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string_view>

#include "harness.h"
#include "players/aim_run.h"
#include "players/soak_run.h"

namespace {

int usage()
{
    std::cerr << "usage: gravok-sim [--dir DIR] [--seed N] < script\n"
                 "       gravok-sim --soak GAMES [--dir DIR] [--seed N]\n"
                 "       gravok-sim --aim [--dir DIR] [--seed N]\n";
    return 2;
}

std::filesystem::path executableDir()
{
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::current_path() : exe.parent_path();
}

bool wholeNumber(const char* s, std::uint64_t& value)
{
    auto [p, ec] = std::from_chars(s, s + std::strlen(s), value);
    return ec == std::errc() && *p == '\0';
}

} // namespace

int main(int argc, char** argv)
{
    std::filesystem::path dir = executableDir();
    std::uint64_t seed = 0;
    std::uint64_t soakGames = 0;
    bool soak = false;
    bool aim = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--dir" && i + 1 < argc) {
            dir = argv[++i];
        } else if (arg == "--seed" && i + 1 < argc) {
            if (!wholeNumber(argv[++i], seed))
                return usage();
        } else if (arg == "--soak" && i + 1 < argc && !soak) {
            soak = true;
            if (!wholeNumber(argv[++i], soakGames) || soakGames == 0)
                return usage();
        } else if (arg == "--aim" && !aim) {
            aim = true;
        } else {
            return usage();
        }
    }
    if (soak && aim)
        return usage();
    std::ios::sync_with_stdio(false);
    if (soak)
        return gravok::runSoak({dir, seed, static_cast<long>(soakGames)}, std::cout, std::cerr);
    if (aim)
        return gravok::runAim({dir, seed}, std::cout, std::cerr);
    gravok::Harness harness(dir, seed, std::cin, std::cout, std::cerr);
    const int status = harness.run();
    std::cout.flush();
    return status;
}
