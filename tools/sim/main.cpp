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
#include "replay_run.h"

namespace {

int usage()
{
    std::cerr << "usage: gravok-sim [--dir DIR] [--seed N] < script\n"
                 "       gravok-sim --soak GAMES [--dir DIR] [--seed N]\n"
                 "       gravok-sim --aim [--episode K] [--dir DIR] [--seed N]\n"
                 "       gravok-sim --replay FILE [--dir DIR]\n"
                 "  --soak and --aim take --record FILE: the run is written there as a replay\n";
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
    std::uint64_t episode = 0;
    std::filesystem::path record;
    std::filesystem::path replay;
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
        } else if (arg == "--episode" && i + 1 < argc) {
            if (!wholeNumber(argv[++i], episode) || episode < 1 || episode > 4)
                return usage();
        } else if (arg == "--record" && i + 1 < argc) {
            record = argv[++i];
        } else if (arg == "--replay" && i + 1 < argc) {
            replay = argv[++i];
        } else {
            return usage();
        }
    }
    if ((soak && aim) || (!replay.empty() && (soak || aim)) || (!record.empty() && !soak && !aim) ||
        (episode != 0 && !aim))
        return usage();
    std::ios::sync_with_stdio(false);
    if (!replay.empty())
        return gravok::runReplay(replay, dir, std::cout, std::cerr);
    if (soak)
        return gravok::runSoak({dir, seed, static_cast<long>(soakGames), record}, std::cout, std::cerr);
    if (aim) {
        gravok::AimOptions options;
        options.episodeDir = dir;
        options.seed = seed;
        options.episode = static_cast<int>(episode);
        options.record = record;
        return gravok::runAim(options, std::cout, std::cerr);
    }
    gravok::Harness harness(dir, seed, std::cin, std::cout, std::cerr);
    const int status = harness.run();
    std::cout.flush();
    return status;
}
