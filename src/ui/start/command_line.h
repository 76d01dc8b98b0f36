// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's start: its command line, the toolkit's set-up, and the two ways to run.
#pragma once
#include <optional>
#include <span>
#include <string>
#include <vector>

#include <QStringList>

namespace gravok::ui {

// One option of `gravok`. A new one is a line in command_line.cpp, read where it is used
// (CommandLine), and its words in the man page's OPTIONS and the README.
struct CommandOption {
    const char* name;      // "replay", given as --replay
    const char* shortName; // "h" for -h, or nullptr
    const char* value;     // what it takes ("DATEI"), or nullptr for a switch
    const char* fallback;  // the value when not given, or nullptr
    const char* help[2];   // its lines in --help; the second may be nullptr
};
[[nodiscard]] std::span<const CommandOption> commandOptions();

// What `gravok --help` or `--version` prints, when the command line asks for one of them;
// nothing otherwise. Answered before the toolkit starts, so it needs no display.
[[nodiscard]] std::optional<std::string> earlyAnswer(const std::vector<std::string>& args);

// The command line as the program runs it.
struct CommandLine {
    bool stats = false;
    bool mute = false;
    bool stepped = false;
    std::optional<std::string> replay; // the recording to show
    int game = 1;                      // from its Kth game on
    std::optional<int> speed;          // the game speed in per cent, for this run
};
// Reads the program's ARGUMENTS (its name first); an unknown option ends the program as the
// toolkit does, a bad value is said on standard error and gives nothing.
[[nodiscard]] std::optional<CommandLine> readCommandLine(const QStringList& arguments);

} // namespace gravok::ui
