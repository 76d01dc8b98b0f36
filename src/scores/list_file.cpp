// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/list_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace gravok {
namespace {

namespace fs = std::filesystem;

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    [[nodiscard]] int get() const { return fd_; }
    [[nodiscard]] bool ok() const { return fd_ >= 0; }

private:
    int fd_;
};

int openFile(const fs::path& path, int flags, mode_t mode = 0644)
{
    int fd;
    do
        fd = ::open(path.c_str(), flags | O_CLOEXEC, mode);
    while (fd < 0 && errno == EINTR);
    return fd;
}

bool lockFile(const Fd& fd, int how)
{
    int r;
    do
        r = ::flock(fd.get(), how);
    while (r < 0 && errno == EINTR);
    return r == 0;
}

bool writeAll(const Fd& fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd.get(), bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// A new or renamed name in a directory is only durable once the directory is synced.
bool syncDir(const fs::path& dir)
{
    const Fd fd(openFile(dir, O_RDONLY | O_DIRECTORY));
    return fd.ok() && ::fsync(fd.get()) == 0;
}

std::optional<std::string> readWhole(const fs::path& path, int& error)
{
    const Fd fd(openFile(path, O_RDONLY));
    if (!fd.ok()) {
        error = errno;
        return std::nullopt;
    }
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            error = errno;
            return std::nullopt;
        }
        if (n == 0)
            return bytes;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
}

std::vector<std::string> splitLines(std::string_view bytes)
{
    std::vector<std::string> lines;
    while (!bytes.empty()) {
        const std::size_t end = std::min(bytes.find('\n'), bytes.size());
        std::string_view line = bytes.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (!line.empty())
            lines.emplace_back(line);
        bytes.remove_prefix(std::min(end + 1, bytes.size()));
    }
    return lines;
}

// Reads without taking the lock; callers hold it.
ListLines readUnlocked(const fs::path& dir)
{
    ListLines out;
    int error = 0;
    const auto bytes = readWhole(dir / ListName, error);
    // No directory, or a file where one should be: no list has been written there.
    if (bytes)
        out.lines = splitLines(*bytes);
    else if (error != ENOENT && error != ENOTDIR)
        out.problem = problemOf(dir / ListName, error);
    return out;
}

// A crash may have left half a line without its end; the new line must not join it.
bool endsTorn(const Fd& fd)
{
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || st.st_size == 0)
        return false;
    char last = '\n';
    return ::pread(fd.get(), &last, 1, st.st_size - 1) == 1 && last != '\n';
}

std::optional<FileProblem> writeTemp(const fs::path& dir, const std::vector<std::string>& lines)
{
    const fs::path temp = dir / TempName;
    const Fd fd(openFile(temp, O_WRONLY | O_CREAT | O_TRUNC));
    if (!fd.ok())
        return problemOf(temp, errno);
    struct stat st {};
    if (::stat((dir / ListName).c_str(), &st) == 0)
        (void)::fchmod(fd.get(), st.st_mode & 07777);
    std::string bytes;
    for (const auto& line : lines)
        bytes.append(line).append("\r\n");
    if (!writeAll(fd, bytes) || ::fsync(fd.get()) != 0)
        return problemOf(temp, errno);
    return std::nullopt;
}

} // namespace

std::string reasonText(int error)
{
    switch (error) {
    case EACCES:
    case EPERM: return "keine Berechtigung";
    case EROFS: return "das Dateisystem ist schreibgeschützt";
    case ENOSPC: return "der Datenträger ist voll";
    case EDQUOT: return "das Speicherkontingent ist erschöpft";
    case ENOTDIR: return "ein Teil des Pfads ist kein Verzeichnis";
    case EISDIR: return "das ist ein Verzeichnis";
    case ENOENT: return "das Verzeichnis fehlt";
    case EIO: return "Ein-/Ausgabefehler";
    default: return std::string("Systemfehler ") + std::to_string(error) + " (" + std::strerror(error) + ")";
    }
}

FileProblem problemOf(const fs::path& path, int error)
{
    return {path, reasonText(error)};
}

ListLines readList(const fs::path& dir)
{
    // A shared lock keeps a line that is being appended from reading as half a line.
    const Fd lock(openFile(dir / LockName, O_RDONLY));
    if (lock.ok())
        lockFile(lock, LOCK_SH);
    return readUnlocked(dir);
}

std::optional<FileProblem> checkWritable(const fs::path& dir)
{
    // Trying is the only sure test: permission bits say nothing of read-only mounts or root.
    const Fd lock(openFile(dir / LockName, O_RDWR | O_CREAT));
    if (!lock.ok())
        return problemOf(dir / LockName, errno);
    const Fd list(openFile(dir / ListName, O_WRONLY | O_APPEND));
    if (!list.ok() && errno != ENOENT)
        return problemOf(dir / ListName, errno);
    return std::nullopt;
}

std::optional<FileProblem> appendLine(const fs::path& dir, std::string_view line, std::size_t* lineNumber)
{
    const Fd lock(openFile(dir / LockName, O_RDWR | O_CREAT));
    if (!lock.ok() || !lockFile(lock, LOCK_EX))
        return problemOf(dir / LockName, errno);
    // A torn last line counts as a line, and the new one goes after it.
    if (lineNumber)
        *lineNumber = readUnlocked(dir).lines.size();
    const fs::path path = dir / ListName;
    const bool existed = ::access(path.c_str(), F_OK) == 0;
    const Fd list(openFile(path, O_RDWR | O_APPEND | O_CREAT));
    if (!list.ok())
        return problemOf(path, errno);
    std::string bytes = endsTorn(list) ? "\r\n" : "";
    bytes.append(line).append("\r\n");
    if (!writeAll(list, bytes) || ::fsync(list.get()) != 0)
        return problemOf(path, errno);
    if (!existed && !syncDir(dir))
        return problemOf(dir, errno);
    return std::nullopt;
}

std::optional<FileProblem> rewriteList(const fs::path& dir, const ListChange& change)
{
    const Fd lock(openFile(dir / LockName, O_RDWR | O_CREAT));
    if (!lock.ok() || !lockFile(lock, LOCK_EX))
        return problemOf(dir / LockName, errno);
    // Read again under the lock: another game may have converted or appended meanwhile.
    const ListLines current = readUnlocked(dir);
    if (current.problem)
        return current.problem;
    const auto next = change(current.lines);
    if (!next)
        return std::nullopt;
    auto problem = writeTemp(dir, *next);
    if (!problem && ::rename((dir / TempName).c_str(), (dir / ListName).c_str()) != 0)
        problem = problemOf(dir / ListName, errno);
    if (problem) {
        ::unlink((dir / TempName).c_str()); // the list itself was never touched
        return problem;
    }
    if (!syncDir(dir))
        return problemOf(dir, errno);
    return std::nullopt;
}

} // namespace gravok
