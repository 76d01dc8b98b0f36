// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <filesystem>
#include <memory>
#include <ostream>

#include "app/game.h"

#include "replay/input_door.h"
#include "replay/recorder.h"

namespace gravok {

// Records a player's run through its door when given a file to write it to.
class ReplayWriter {
public:
    // GAME's final dump goes to FILE.dump beside the replay, for the replay's check.
    ReplayWriter(Game& game, replay::InputDoor& door, std::filesystem::path file);
    ~ReplayWriter();
    ReplayWriter(const ReplayWriter&) = delete;
    ReplayWriter& operator=(const ReplayWriter&) = delete;

    // Writes the file; false after saying on ERR why it could not be written.
    bool write(std::ostream& err);

private:
    Game& game_;
    replay::InputDoor& door_;
    std::filesystem::path file_;
    std::unique_ptr<replay::Recorder> recorder_;
};

} // namespace gravok
