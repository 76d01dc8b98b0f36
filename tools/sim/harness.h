// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <filesystem>
#include <istream>
#include <ostream>
#include <string>

#include "app/game.h"
#include "core/recording_platform.h"
#include "paths.h"

namespace gravok {

// Runs the game from a script: one command per line, answers on out, complaints on err.
class Harness : public RecordingPlatform {
public:
    Harness(std::filesystem::path dir, std::uint64_t seed, std::istream& in, std::ostream& out, std::ostream& err);

    // Runs Main and then the script to its end; returns the exit status.
    int run();
    [[nodiscard]] Game& game() { return game_; }

    void runModal(Form& form) override;
    std::optional<std::string> inputBox(const std::string& prompt, const std::string& title) override;
    void endProgram() override;

private:
    struct Stop {}; // unwinds every nested loop at the end of the script or on quit
    struct Malformed {
        std::string what;
    };

    // Reads and runs commands until the predicate holds (a dialog closed) or input ends.
    void loop(Form* until);
    bool nextCommand(std::string& line);
    void execute(const std::string& line);
    void command(const std::string& verb, const std::string& rest);
    void pointer(const std::string& verb, const std::string& name);
    void tick(const std::string& rest);
    void expect(const std::string& rest);
    void queueRandom(const std::string& rest);

    Game game_;
    StatePaths paths_;
    std::istream& in_;
    std::ostream& out_;
    std::ostream& err_;
    int lineNo_ = 0;
    bool failed_ = false;
};

} // namespace gravok
