// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the game's files so that no planted name, pipe or device can hold or fool it.
#pragma once
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/message.h"

namespace gravok {

// Why a file operation failed, in German words of our own: the C library's texts are English.
[[nodiscard]] Message errnoReason(int error);

// At most `limit` characters (UTF-8 aware) of TEXT in quotes, with "…" when cut; line ends and
// other control bytes become blanks, so a quoted field keeps a message on one line.
[[nodiscard]] std::string quoteText(std::string_view text, std::size_t limit = 60);

// A path as a message names it: control bytes become "?", so that the name stays on one line.
[[nodiscard]] std::string nameOf(const std::filesystem::path& path);

// An open file descriptor, closed with its owner.
class Fd {
public:
    Fd() = default;
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd();
    Fd(Fd&& o) noexcept : fd_(o.fd_) { o.fd_ = -1; }
    Fd& operator=(Fd&& o) noexcept;
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    [[nodiscard]] int get() const { return fd_; }
    [[nodiscard]] bool ok() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

// A file that was opened, or why not: errno, or what it is when it is no regular file.
struct Opened {
    Fd fd;
    int error = 0;              // errno of the failed call, 0 when `what` says it
    const char* what = nullptr; // a marked text: "eine benannte Pipe (FIFO)" and the like
    bool link = false;          // a symbolic link that was not followed
    // The reason: errnoReason(error) or "das ist <what>, keine gewöhnliche Datei".
    [[nodiscard]] Message reason() const;
};

enum class Links { Follow, Refuse };

// Opens PATH with FLAGS (O_RDONLY, O_RDWR|O_CREAT, …), never blocking on a pipe or device,
// and keeps it only when it is a regular file. With Links::Refuse a symbolic link as the
// last component fails with ELOOP. The descriptor is blocking again on return.
[[nodiscard]] Opened openRegular(const std::filesystem::path& path, int flags, Links links, unsigned mode = 0644);

// The whole content of PATH, at most `limit` bytes; a larger file is refused unread.
struct ReadResult {
    std::optional<std::string> bytes; // nothing on failure
    int error = 0;                    // ENOENT for a missing file, EFBIG for one too large
    Message reason;                   // empty on success
};
[[nodiscard]] ReadResult readBounded(const std::filesystem::path& path, std::size_t limit, Links links);

// At most the last `limit` bytes of PATH, starting at a line's start: a file that has grown
// past its limit still gives its newest lines, and none is read whole when it is too long.
[[nodiscard]] ReadResult readTail(const std::filesystem::path& path, std::size_t limit, Links links);

// Writes all of BYTES to FD; false with errno set. Past a file-size limit the write fails and
// is reported instead of ending the game.
[[nodiscard]] bool writeAll(const Fd& fd, std::string_view bytes);

// A name made or renamed in DIR only lasts once DIR is synced.
[[nodiscard]] bool syncDir(const std::filesystem::path& dir);

// Appends LINE and LINE_END to FD (opened with O_APPEND), whole or not at all: a last line a
// crash left without its end is closed first, and a failed write is cut back to the old size.
// 0 or the errno; `offset`, when given, is where LINE starts.
[[nodiscard]] int appendWhole(const Fd& fd, std::string_view line, std::string_view lineEnd,
                              std::uint64_t* offset = nullptr);

// Appends one line to a file of the game's own (created when missing, never through a link);
// the reason on failure.
[[nodiscard]] std::optional<Message> appendLineTo(const std::filesystem::path& path, std::string_view line,
                                                  std::string_view lineEnd = "\n");

// Replaces PATH whole with BYTES: written to a new file beside it, synced, renamed over it.
// Only a regular file is ever replaced. With Links::Follow a link to a regular file stays a
// link and the file it names is replaced in its own folder; with Links::Refuse a link fails.
// Nothing on success, else the reason.
[[nodiscard]] std::optional<Message> replaceFile(const std::filesystem::path& path, std::string_view bytes, Links links,
                                                 unsigned mode = 0644);

// The game's folder in one of the player's base folders: $VARIABLE/gravok, without it
// $HOME/FALLBACK/gravok ("XDG_CONFIG_HOME", ".config"); empty when neither is absolute.
[[nodiscard]] std::filesystem::path userFolder(const char* variable, const char* fallback);

// "1 MiB", "64 KiB", "512 Bytes": a size limit as the player reads it.
[[nodiscard]] std::string sizeText(std::size_t bytes);

} // namespace gravok
