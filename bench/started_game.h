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
class QuietEpisodeDir {
public:
    QuietEpisodeDir() { std::ofstream(path() / "Episode1.gvk", std::ios::binary) << "1\r\n1,0,400,20,0\r\n\r\n"; }

    [[nodiscard]] const std::filesystem::path& path() const { return dir_.path(); }

private:
    TempDir dir_{"gravok-bench"};
};

// A game past its start-up, with the start-up dialog answered by OK.
struct StartedGame {
    QuietEpisodeDir dir;
    RecordingPlatform platform{dir.path()};
    Game game{platform};

    StartedGame()
    {
        platform.modalLoop = [](Form& dialog) { dialog.click(dialog.at("lblOK")); };
        game.Main();
    }
};

} // namespace gravok::bench
