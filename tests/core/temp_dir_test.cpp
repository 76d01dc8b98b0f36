// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>

#include "temp_dir.h"

namespace gravok {
namespace {

namespace fs = std::filesystem;

TEST(TempDir, EachIsNewAndGoesWithAllItHolds)
{
    fs::path kept;
    {
        const TempDir a("gravok-test");
        const TempDir b("gravok-test");
        EXPECT_NE(a.path(), b.path());
        EXPECT_TRUE(fs::is_directory(a.path()));
        EXPECT_EQ(a.path().filename().string().rfind("gravok-test-", 0), 0u) << a.path();
        fs::create_directories(a.path() / "sub");
        std::ofstream(a.path() / "sub" / "f") << "x";
        kept = a.path();
    }
    EXPECT_FALSE(fs::exists(kept));
}

TEST(TempDir, TmpdirNamesThePlace)
{
    const TempDir outer("gravok-test");
    const char* old = std::getenv("TMPDIR");
    const std::optional<std::string> saved = old ? std::optional<std::string>(old) : std::nullopt;
    ::setenv("TMPDIR", outer.path().c_str(), 1);
    {
        const TempDir inner("gravok-test");
        EXPECT_EQ(inner.path().parent_path(), outer.path());
    }
    saved ? ::setenv("TMPDIR", saved->c_str(), 1) : ::unsetenv("TMPDIR");
}

} // namespace
} // namespace gravok
