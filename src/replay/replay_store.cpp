// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "replay/replay_store.h"

#include "core/files.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>

namespace gravok::replay {

std::filesystem::path replayFolder()
{
    return userFolder("XDG_DATA_HOME", ".local/share") / "replays";
}

std::string replayFileName(std::int64_t unixSeconds, long pid)
{
    const std::time_t t = static_cast<std::time_t>(unixSeconds);
    std::tm local{};
    localtime_r(&t, &local);
    char text[64];
    std::snprintf(text, sizeof text, "%04d%02d%02d-%02d%02d%02d-%ld", local.tm_year + 1900, local.tm_mon + 1,
                  local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec, pid);
    return std::string(text) + ReplayExtension;
}

std::vector<std::string> replaysToPrune(std::vector<StoredReplay> files, const std::set<std::string>& keep,
                                        std::size_t keepNewest)
{
    // Newest first; names break ties, so the choice does not hang on the folder's order.
    std::sort(files.begin(), files.end(), [](const StoredReplay& a, const StoredReplay& b) {
        return a.written != b.written ? a.written > b.written : a.name > b.name;
    });
    std::vector<std::string> gone;
    for (std::size_t i = keepNewest; i < files.size(); ++i)
        if (!keep.contains(files[i].name))
            gone.push_back(files[i].name);
    return gone;
}

void pruneReplays(const std::filesystem::path& folder, const std::set<std::string>& keep, const std::string& current)
{
    std::error_code ec;
    std::vector<StoredReplay> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        if (!name.ends_with(ReplayExtension) || !entry.is_regular_file(ec) || entry.is_symlink(ec))
            continue;
        const auto when = entry.last_write_time(ec);
        if (ec)
            continue;
        const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(when.time_since_epoch()).count();
        files.push_back({name, static_cast<std::int64_t>(seconds)});
    }
    std::set<std::string> kept = keep;
    kept.insert(current);
    for (const std::string& name : replaysToPrune(std::move(files), kept))
        std::filesystem::remove(folder / name, ec);
}

} // namespace gravok::replay
