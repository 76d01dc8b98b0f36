// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "temp_dir.h"

#include <cstdlib>
#include <stdexcept>

#include <unistd.h>

namespace gravok {

namespace fs = std::filesystem;

namespace {

fs::path tempBase()
{
    if (!std::getenv("TMPDIR") && ::access("/dev/shm", W_OK | X_OK) == 0)
        return "/dev/shm";
    return fs::temp_directory_path();
}

} // namespace

TempDir::TempDir(const std::string& prefix)
{
    const fs::path base = tempBase();
    std::string pattern = (base / (prefix + "-XXXXXX")).string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a temporary directory in " + base.string());
    path_ = pattern;
}

TempDir::~TempDir()
{
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

} // namespace gravok
