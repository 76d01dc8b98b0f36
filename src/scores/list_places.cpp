// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/list_places.h"

#include <cstdlib>
#include <system_error>

namespace gravok {

namespace fs = std::filesystem;

fs::path userDataDir()
{
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data && fs::path(data).is_absolute())
        return fs::path(data) / "gravok";
    const char* home = std::getenv("HOME");
    if (home && fs::path(home).is_absolute())
        return fs::path(home) / ".local" / "share" / "gravok";
    return {};
}

ListPlaces findPlaces(const fs::path& programDir, const fs::path& userDir)
{
    ListPlaces places;
    places.read.push_back(programDir);
    std::error_code ec;
    if (!userDir.empty() && !fs::equivalent(programDir, userDir, ec)) {
        places.user = userDir;
        // An entry may have gone there once the program's list could not take it.
        places.read.push_back(userDir);
    }
    places.programProblem = checkWritable(programDir);
    places.home = places.programProblem ? places.user : programDir;
    return places;
}

namespace {

std::optional<FileProblem> appendAt(const fs::path& dir, std::string_view line)
{
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (ec)
        return problemOf(dir, ec.value());
    return appendLine(dir, line);
}

} // namespace

EntryResult appendEntry(const ListPlaces& places, std::string_view line)
{
    EntryResult result;
    if (places.programProblem)
        result.problems.push_back(*places.programProblem);
    if (places.home.empty())
        return result;
    auto problem = appendAt(places.home, line);
    if (problem && places.home != places.user && !places.user.empty()) {
        result.problems.push_back(*problem);
        problem = appendAt(places.user, line);
        if (!problem) {
            result.writtenTo = places.user;
            return result;
        }
    }
    if (problem)
        result.problems.push_back(*problem);
    else
        result.writtenTo = places.home;
    return result;
}

} // namespace gravok
