// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the in-process tests share: the headers they use, program directories, games and
// harness runs of their own.
#pragma once
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <thread>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include "app/frm_haupt.h"
#include "app/look_ahead.h"
#include "core/clock.h"
#include "core/files.h"
#include "core/numbers.h"
#include "core/pad_keys.h"
#include "core/rules.h"
#include "core/settings_file.h"
#include "dump.h"
#include "episodes/episode_laden.h"
#include "episodes/episode_parser.h"
#include "harness.h"
#include "info/help.h"
#include "players/scratch_dir.h"
#include "replay/base64.h"
#include "replay/replay_io.h"
#include "replay/recorder.h"
#include "replay/replay_links.h"
#include "replay/replay_player.h"
#include "replay/replay_store.h"
#include "replay_run.h"
#include "scores/list_file.h"
#include "scores/list_places.h"
#include "scores/score_list.h"

namespace gravok::test {

// A file's bytes, exactly; and a file replaced by exactly these bytes.
inline std::string bytesOf(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
inline void writeBytes(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// The kind of entry at PATH and, for a regular file, its inode and bytes (large ones by size).
inline std::string identity(const std::filesystem::path& p)
{
    struct stat st {};
    if (::lstat(p.c_str(), &st) != 0)
        return "none";
    std::string id = std::to_string(st.st_mode & S_IFMT) + " " + std::to_string(st.st_ino);
    if (S_ISREG(st.st_mode))
        id += st.st_size > (1 << 20) ? " size " + std::to_string(st.st_size) : " " + bytesOf(p);
    return S_ISLNK(st.st_mode) ? id + " -> " + std::filesystem::read_symlink(p).string() : id;
}

// A list line as the game writes it.
inline std::string encoded(const std::string& text)
{
    return Kodierer{}.encode(text, Schluessel);
}

// The entries of DIR's list, decoded, in file order.
inline std::vector<std::string> listEntries(const std::filesystem::path& dir)
{
    DecodedList out;
    decodeInto(out, readList(dir).lines, Kodierer{});
    return out.entries;
}

// A program directory of its own for one test, removed afterwards. It holds a one-level
// Episode1.gvk so that OK in the start-up dialog has something to load.
struct ProgramDir {
    ProgramDir() { writeBytes(path() / "Episode1.gvk", "1\r\n3,1200,400,20,-15\r\n\r\n"); }
    [[nodiscard]] const std::filesystem::path& path() const { return dir.path(); }
    TempDir dir{"gravok-test"};
};

// A game in-process over the recording desktop; Main runs when the test calls it, and the
// start-up dialog is answered with OK unless the test sets another modalLoop first.
struct InProcessGame {
    InProcessGame()
    {
        platform.modalLoop = [](Form& f) { f.click(f.at("lblOK")); };
    }
    ProgramDir dir;
    RecordingPlatform platform{dir.path()};
    Game game{platform};
};

// A file-size limit for one scope, inherited by the processes started in it: a full disk
// for the files the game writes (a tmpfs filled to its end would still take bytes into a
// file's last, half-used page). The game's writes ignore SIGXFSZ and fail with EFBIG.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &was_);
        rlimit tight = was_;
        tight.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &tight);
    }
    ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &was_); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit was_{};
};

// Sets an environment variable for one scope.
class EnvGuard {
public:
    EnvGuard(const char* name, const std::string& value) : name_(name)
    {
        if (const char* old = std::getenv(name))
            old_ = old;
        setenv(name, value.c_str(), 1);
    }
    ~EnvGuard() { old_ ? setenv(name_, old_->c_str(), 1) : unsetenv(name_); }
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
    // Everything the run printed, for a failure message.
    [[nodiscard]] std::string transcript() const
    {
        std::string text = "status " + std::to_string(status) + "\n";
        for (const auto& line : lines)
            text += line + "\n";
        return text + err;
    }
};

// Runs a harness script in-process, in the given program directory.
inline SimRun runSimIn(const std::filesystem::path& dir, const std::string& script)
{
    std::istringstream in(script);
    std::ostringstream out, err;
    SimRun run;
    run.status = Harness(dir, 1, in, out, err).run();
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);)
        run.lines.push_back(line);
    run.err = err.str();
    return run;
}

} // namespace gravok::test
