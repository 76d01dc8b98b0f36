// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/game.h"
#include "core/recording_platform.h"
#include "temp_dir.h"

namespace gravok::test {

// A program directory of its own for one test, removed afterwards. It holds a one-level
// Episode1.gvk so that OK in the start-up dialog has something to load.
class ProgramDir {
public:
    ProgramDir();

    [[nodiscard]] const std::filesystem::path& path() const { return dir_.path(); }

private:
    TempDir dir_{"gravok-test"};
};

// A game in-process over the recording desktop, in a program directory of its own. Main
// runs when the test calls it; the start-up dialog is answered with OK unless the test
// sets another modalLoop first.
struct InProcessGame {
    InProcessGame();
    ProgramDir dir;
    RecordingPlatform platform{dir.path()};
    Game game{platform};
};

// Sets an environment variable (nullptr: unsets it) for one scope.
class EnvGuard {
public:
    EnvGuard(const char* name, const char* value);
    EnvGuard(const char* name, const std::string& value) : EnvGuard(name, value.c_str()) {}
    ~EnvGuard();
    EnvGuard(const EnvGuard&) = delete;
    EnvGuard& operator=(const EnvGuard&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

struct SimRun {
    int status = -1;
    std::vector<std::string> lines; // standard output, one entry per line
    std::string err;
};

// Runs a harness script in-process, in the given program directory.
SimRun runSimIn(const std::filesystem::path& dir, const std::string& script, std::uint64_t seed = 1);

// A game of the given episode lines ("/" ends a level), chosen with OK, then the script.
SimRun playEpisode(const std::string& episodeLines, const std::string& script);

// Everything a run printed, for a failure message.
[[nodiscard]] std::string transcript(const SimRun& run);

struct Expectation {
    std::string path;
    std::string value;
};

// One "expect PATH VALUE" line per entry.
[[nodiscard]] std::string expectLines(const std::vector<Expectation>& table);

// A list line as the game writes it.
[[nodiscard]] std::string encoded(const std::string& text);
// A file's bytes, exactly; and a file replaced by exactly these bytes.
[[nodiscard]] std::string bytesOf(const std::filesystem::path& path);
void writeBytes(const std::filesystem::path& path, const std::string& bytes);
// Leaves a Unix socket's name at path, with no one listening (a GoogleTest assertion fails
// when it cannot).
void bindSocket(const std::filesystem::path& path);

} // namespace gravok::test
