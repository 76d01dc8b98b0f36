// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdio>
#include <cstdlib>
#include <string>

namespace gravok::fuzz {

// Stops the run the way a sanitizer would, so libFuzzer keeps the input as a crash.
[[noreturn]] inline void fail(const std::string& what)
{
    std::fprintf(stderr, "fuzz check failed: %s\n", what.c_str());
    std::abort();
}

inline void check(bool ok, const std::string& what)
{
    if (!ok)
        fail(what);
}

} // namespace gravok::fuzz
