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
    places.programProblem = checkWritable(programDir);
    if (!places.programProblem) {
        places.home = programDir;
        return places;
    }
    places.home = userDir;
    // Entries written while the program's directory could be written are still shown.
    std::error_code ec;
    if (!userDir.empty() && !fs::equivalent(programDir, userDir, ec))
        places.read.push_back(userDir);
    return places;
}

std::vector<FileProblem> appendEntry(const ListPlaces& places, std::string_view line, std::size_t* lineNumber)
{
    std::vector<FileProblem> problems;
    if (places.programProblem)
        problems.push_back(*places.programProblem);
    if (places.home.empty())
        return problems;
    std::error_code ec;
    fs::create_directories(places.home, ec);
    if (ec) {
        problems.push_back(problemOf(places.home, ec.value()));
        return problems;
    }
    if (auto problem = appendLine(places.home, line, lineNumber)) {
        problems.push_back(*problem);
        return problems;
    }
    return {};
}

} // namespace gravok
