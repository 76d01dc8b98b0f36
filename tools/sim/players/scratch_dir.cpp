// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "players/scratch_dir.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include <unistd.h>

namespace gravok {

namespace fs = std::filesystem;

namespace {

// The game syncs the list to disk for every entry it adds; on a disk that would be most of
// a soak's time, so memory-backed /dev/shm is taken unless TMPDIR says otherwise.
fs::path scratchBase()
{
    if (!std::getenv("TMPDIR") && ::access("/dev/shm", W_OK | X_OK) == 0)
        return "/dev/shm";
    return fs::temp_directory_path();
}

} // namespace

ScratchDir::ScratchDir(const fs::path& episodeSource)
{
    const fs::path base = scratchBase();
    std::string pattern = (base / "gravok-play-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a temporary directory in " + base.string());
    root_ = pattern;
    program_ = root_ / "program";
    data_ = root_ / "data";
    fs::create_directories(program_);
    fs::create_directories(data_);
    for (int n = 1; n <= 4; ++n) {
        const std::string name = "Episode" + std::to_string(n) + ".gvk";
        std::error_code ec;
        fs::copy_file(episodeSource / name, program_ / name, ec);
        if (ec) {
            const std::string why = (episodeSource / name).string() + ": " + ec.message();
            fs::remove_all(root_, ec);
            throw std::runtime_error(why);
        }
    }
    if (const char* old = std::getenv("XDG_DATA_HOME"))
        savedDataHome_ = old;
    ::setenv("XDG_DATA_HOME", data_.c_str(), 1);
}

ScratchDir::~ScratchDir()
{
    if (savedDataHome_)
        ::setenv("XDG_DATA_HOME", savedDataHome_->c_str(), 1);
    else
        ::unsetenv("XDG_DATA_HOME");
    std::error_code ignored;
    fs::remove_all(root_, ignored);
}

std::unique_ptr<ScratchDir> openScratchDir(const fs::path& episodeSource, std::ostream& err)
{
    try {
        return std::make_unique<ScratchDir>(episodeSource);
    } catch (const std::exception& e) {
        err << "gravok-sim: " << e.what() << "\n";
        return nullptr;
    }
}

long ScratchDir::listLines() const
{
    return countLines(program_ / "Punkte.lst") + countLines(data_ / "gravok" / "Punkte.lst");
}

long countLines(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const long ends = std::count(bytes.begin(), bytes.end(), '\n');
    return bytes.empty() || bytes.back() == '\n' ? ends : ends + 1;
}

} // namespace gravok
