// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <filesystem>
#include <fstream>
#include <string>

#include "app/game.h"
#include "core/form.h"
#include "core/recording_platform.h"
#include "temp_dir.h"

namespace gravok::bench {

// A program directory whose one episode holds a single gravok gliding along the top of the
// field, clear of the waiting shuttle, so that a game runs for ever without an ending.
constexpr const char* QuietEpisode = "1\r\n1,0,400,20,0\r\n\r\n";
// Ten gravoks drifting in two rows, clear of the shuttle.
constexpr const char* BusyEpisode = "1\r\n1,0,300,50,0\r\n1,0,6300,-50,0\r\n1,1900,300,50,0\r\n1,1900,6300,-50,0\r\n"
                                    "1,3800,300,50,0\r\n1,3800,6300,-50,0\r\n1,5700,300,50,0\r\n1,5700,6300,-50,0\r\n"
                                    "1,7600,300,50,0\r\n1,7600,6300,-50,0\r\n\r\n";

class QuietEpisodeDir {
public:
    explicit QuietEpisodeDir(const char* episode = QuietEpisode)
    {
        std::ofstream(path() / "Episode1.gvk", std::ios::binary) << episode;
    }

    [[nodiscard]] const std::filesystem::path& path() const { return dir_.path(); }

private:
    TempDir dir_{"gravok-bench"};
};

// A game past its start-up, with the start-up dialog answered by OK.
struct StartedGame {
    QuietEpisodeDir dir;
    RecordingPlatform platform{dir.path()};
    Game game{platform};

    explicit StartedGame(const char* episode = QuietEpisode) : dir(episode)
    {
        platform.modalLoop = [](Form& dialog) { dialog.click(dialog.at("lblOK")); };
        game.Main();
    }
};

} // namespace gravok::bench
