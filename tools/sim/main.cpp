// gravok-sim: the game without a window, driven by a script on standard input.
#include <charconv>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string_view>

#include "harness.h"

namespace {

int usage()
{
    std::cerr << "usage: gravok-sim [--dir DIR] [--seed N] < script\n";
    return 2;
}

std::filesystem::path executableDir()
{
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::current_path() : exe.parent_path();
}

} // namespace

int main(int argc, char** argv)
{
    std::filesystem::path dir = executableDir();
    std::uint64_t seed = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--dir" && i + 1 < argc) {
            dir = argv[++i];
        } else if (arg == "--seed" && i + 1 < argc) {
            const char* s = argv[++i];
            auto [p, ec] = std::from_chars(s, s + std::strlen(s), seed);
            if (ec != std::errc() || *p != '\0')
                return usage();
        } else {
            return usage();
        }
    }
    std::ios::sync_with_stdio(false);
    gravok::Harness harness(dir, seed, std::cin, std::cout, std::cerr);
    const int status = harness.run();
    std::cout.flush();
    return status;
}
