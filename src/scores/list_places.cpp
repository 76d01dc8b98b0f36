// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/list_places.h"

#include <cerrno>
#include <system_error>

#include "core/files.h"

namespace gravok {

namespace fs = std::filesystem;

fs::path userDataDir()
{
    return userFolder("XDG_DATA_HOME", ".local/share");
}

ListPlaces findPlaces(const fs::path& programDir, const fs::path& userDir, bool installed)
{
    ListPlaces places;
    places.read.push_back(programDir);
    std::error_code ec;
    if (!userDir.empty() && !fs::equivalent(programDir, userDir, ec)) {
        places.user = userDir;
        // An entry may have gone there once the program's list could not take it.
        places.read.push_back(userDir);
    }
    // checkWritable creates the lock file, so an installed program's directory is not tried.
    if (installed) {
        places.home = places.user;
        return places;
    }
    places.programProblem = checkWritable(programDir);
    places.home = places.programProblem ? places.user : programDir;
    return places;
}

namespace {

std::optional<FileProblem> appendAt(const fs::path& dir, std::string_view line, AppendInfo& info)
{
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (ec)
        return problemOf(dir, ec.value());
    return appendLine(dir, line, &info);
}

} // namespace

EntryResult appendEntry(const ListPlaces& places, std::string_view line)
{
    EntryResult result;
    if (places.programProblem)
        result.problems.push_back(*places.programProblem);
    if (places.home.empty())
        return result;
    fs::path tried = places.home;
    AppendInfo info;
    auto problem = appendAt(tried, line, info);
    if (problem && tried != places.user && !places.user.empty()) {
        result.problems.push_back(*problem);
        tried = places.user;
        problem = appendAt(tried, line, info);
    }
    if (!problem) {
        result.writtenTo = tried;
        result.line = info.line;
        return result;
    }
    result.problems.push_back(*problem);
    if (problem->error == EWOULDBLOCK && appendWhenFree(tried, line))
        result.pending = tried;
    return result;
}

} // namespace gravok
