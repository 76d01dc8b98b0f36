// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "players/scratch_dir.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace gravok {

namespace fs = std::filesystem;

namespace {

// Lines of one file, the last one counted even without its line end; 0 for a missing file.
long countLines(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const long ends = std::count(bytes.begin(), bytes.end(), '\n');
    return bytes.empty() || bytes.back() == '\n' ? ends : ends + 1;
}

} // namespace

ScratchDir::ScratchDir(const fs::path& episodeSource) : root_("gravok-play")
{
    program_ = root_.path() / "program";
    data_ = root_.path() / "data";
    fs::create_directories(program_);
    fs::create_directories(data_);
    for (int n = 1; n <= 4; ++n) {
        const std::string name = "Episode" + std::to_string(n) + ".gvk";
        std::error_code ec;
        fs::copy_file(episodeSource / name, program_ / name, ec);
        if (ec) {
            throw std::runtime_error((episodeSource / name).string() + ": " + ec.message());
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

} // namespace gravok
