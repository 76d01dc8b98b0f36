// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/list_file.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "core/files.h"

namespace gravok {
namespace {

namespace fs = std::filesystem;

FileProblem openProblem(const fs::path& path, const Opened& file)
{
    return {path, file.reason(), file.error != 0 ? file.error : EINVAL};
}

FileProblem busyProblem(const fs::path& dir)
{
    return {dir / LockName, GRAVOK_TEXT("Meldungen", "die Punkteliste ist von einem anderen Spiel gesperrt"),
            EWOULDBLOCK};
}

// Takes the lock on FD, waiting at most WAIT; false with errno EWOULDBLOCK when it stayed busy.
bool lockFile(const Fd& fd, int how, std::chrono::milliseconds wait)
{
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        if (::flock(fd.get(), how | LOCK_NB) == 0)
            return true;
        if (errno == EINTR)
            continue;
        if (errno != EWOULDBLOCK)
            return false;
        if (std::chrono::steady_clock::now() >= deadline) {
            errno = EWOULDBLOCK;
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

// In a directory others may write, what the game creates there stays theirs to write too:
// otherwise the first player's file would send every other player to a list of their own.
void shareLikeDir(const Fd& fd, const fs::path& dir)
{
    struct stat d {};
    struct stat f {};
    if (::stat(dir.c_str(), &d) != 0 || ::fstat(fd.get(), &f) != 0 || f.st_uid != ::geteuid())
        return;
    mode_t mode = f.st_mode & 07777;
    if (d.st_mode & S_IWGRP)
        mode |= S_IRGRP | S_IWGRP;
    if (d.st_mode & S_IWOTH)
        mode |= S_IROTH | S_IWOTH;
    if (mode != (f.st_mode & 07777))
        (void)::fchmod(fd.get(), mode);
}

struct Lock {
    Fd fd;
    std::optional<FileProblem> problem;
};

// The exclusive lock of a writer: the lock file is created, never followed through a link.
Lock lockForWriting(const fs::path& dir)
{
    Lock lock;
    Opened file = openRegular(dir / LockName, O_RDWR | O_CREAT, Links::Refuse, 0666);
    if (!file.fd.ok()) {
        lock.problem = openProblem(dir / LockName, file);
        return lock;
    }
    shareLikeDir(file.fd, dir);
    if (!lockFile(file.fd, LOCK_EX, WriteLockWait)) {
        lock.problem = errno == EWOULDBLOCK ? busyProblem(dir) : problemOf(dir / LockName, errno);
        return lock;
    }
    lock.fd = std::move(file.fd);
    return lock;
}

// Lines end at CR, CR LF or LF; blank lines are dropped. Nothing when there are too many.
std::optional<std::vector<std::string>> splitLines(std::string_view bytes)
{
    std::vector<std::string> lines;
    while (!bytes.empty()) {
        const std::size_t end = std::min(bytes.find_first_of("\r\n"), bytes.size());
        if (end > 0) {
            if (lines.size() == MaxListLines)
                return std::nullopt;
            lines.emplace_back(bytes.substr(0, end));
        }
        std::size_t next = end + 1;
        if (end < bytes.size() && bytes[end] == '\r' && next < bytes.size() && bytes[next] == '\n')
            ++next;
        bytes.remove_prefix(std::min(next, bytes.size()));
    }
    return lines;
}

// Reads without taking the lock; callers hold it or gave up waiting for it.
ListLines readUnlocked(const fs::path& dir)
{
    ListLines out;
    const fs::path path = dir / ListName;
    const ReadResult read = readBounded(path, MaxListBytes, Links::Refuse);
    if (!read.bytes) {
        // No directory, or a file where one should be: no list has been written there.
        if (read.error != ENOENT && read.error != ENOTDIR)
            out.problem = FileProblem{path, read.reason, read.error};
        return out;
    }
    auto lines = splitLines(*read.bytes);
    if (!lines)
        out.problem = FileProblem{path,
                                  {GRAVOK_TEXT("Meldungen", "die Datei hat mehr als %1 Zeilen"),
                                   {Message::literal(std::to_string(MaxListLines))}},
                                  EFBIG};
    else
        out.lines = std::move(*lines);
    return out;
}

// Punkte.tmp is made new: a stale one, or a link planted under its name, is removed, never
// opened, so nothing it points to is written.
std::optional<FileProblem> writeTemp(const fs::path& dir, const std::vector<std::string>& lines)
{
    const fs::path temp = dir / TempName;
    if (::unlink(temp.c_str()) != 0 && errno != ENOENT)
        return problemOf(temp, errno);
    const Opened file = openRegular(temp, O_WRONLY | O_CREAT | O_EXCL, Links::Refuse, 0600);
    if (!file.fd.ok())
        return openProblem(temp, file);
    struct stat st {};
    const mode_t mode = ::lstat((dir / ListName).c_str(), &st) == 0 ? st.st_mode & 07777 : 0644;
    (void)::fchmod(file.fd.get(), mode);
    shareLikeDir(file.fd, dir);
    std::string bytes;
    for (const auto& line : lines)
        bytes.append(line).append("\r\n");
    if (!writeAll(file.fd, bytes) || ::fsync(file.fd.get()) != 0)
        return problemOf(temp, errno);
    return std::nullopt;
}

// The appending process of appendWhenFree. It runs after a fork of a program that may have
// other threads, so it only makes system calls: no allocation, no library state.
[[noreturn]] void appendLater(const char* lockPath, const char* listPath, const char* bytes, std::size_t size)
{
    ::close_range(3, ~0U, 0); // the window's connections are not kept open by a waiting process
    std::signal(SIGXFSZ, SIG_IGN);
    ::alarm(3600);
    struct stat st {};
    const int lock = ::open(lockPath, O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
    if (lock < 0 || ::fstat(lock, &st) != 0 || !S_ISREG(st.st_mode))
        ::_exit(1);
    while (::flock(lock, LOCK_EX) != 0)
        if (errno != EINTR)
            ::_exit(1);
    const int list = ::open(listPath, O_RDWR | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
    if (list < 0 || ::fstat(list, &st) != 0 || !S_ISREG(st.st_mode))
        ::_exit(1);
    char last = '\n';
    const bool torn = st.st_size > 0 && ::pread(list, &last, 1, st.st_size - 1) == 1 && last != '\n' && last != '\r';
    // The line end for a torn last line leads BYTES, cut off here when it is not needed.
    const char* from = torn ? bytes : bytes + 2;
    std::size_t left = torn ? size : size - 2;
    while (left > 0) {
        const ssize_t n = ::write(list, from, left);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            (void)!::ftruncate(list, st.st_size);
            ::_exit(1);
        }
        from += n;
        left -= static_cast<std::size_t>(n);
    }
    ::_exit(::fsync(list) == 0 ? 0 : 1);
}

} // namespace

bool appendWhenFree(const fs::path& dir, std::string_view line)
{
    // Everything the process needs is made before the fork.
    const std::string lockPath = (dir / LockName).string();
    const std::string listPath = (dir / ListName).string();
    const std::string bytes = "\r\n" + std::string(line) + "\r\n";
    const pid_t child = ::fork();
    if (child < 0)
        return false;
    if (child == 0) {
        // A second fork leaves the waiting process to init: no zombie stays with the game.
        const pid_t waiter = ::fork();
        if (waiter == 0)
            appendLater(lockPath.c_str(), listPath.c_str(), bytes.data(), bytes.size());
        ::_exit(waiter < 0 ? 1 : 0);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {}
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

FileProblem problemOf(const fs::path& path, int error)
{
    return {path, errnoReason(error), error};
}

ListLines readList(const fs::path& dir, std::chrono::milliseconds lockWait)
{
    // A shared lock keeps a line that is being appended from reading as half a line. A game
    // that holds it too long is not waited for: the list is read as it stands.
    const Opened lock = openRegular(dir / LockName, O_RDONLY, Links::Refuse);
    bool busy = false;
    if (lock.fd.ok() && !lockFile(lock.fd, LOCK_SH, lockWait))
        busy = errno == EWOULDBLOCK;
    ListLines out = readUnlocked(dir);
    out.lockBusy = busy;
    return out;
}

std::optional<FileProblem> checkWritable(const fs::path& dir)
{
    // Trying is the only sure test: permission bits say nothing of read-only mounts or root.
    const Opened lock = openRegular(dir / LockName, O_RDWR | O_CREAT, Links::Refuse, 0666);
    if (!lock.fd.ok())
        return openProblem(dir / LockName, lock);
    shareLikeDir(lock.fd, dir);
    const Opened list = openRegular(dir / ListName, O_WRONLY | O_APPEND, Links::Refuse);
    if (!list.fd.ok() && !(list.error == ENOENT && !list.what))
        return openProblem(dir / ListName, list);
    return std::nullopt;
}

std::optional<FileProblem> appendLine(const fs::path& dir, std::string_view line, AppendInfo* info)
{
    const Lock lock = lockForWriting(dir);
    if (lock.problem)
        return lock.problem;
    // A torn last line counts as a line, and the new one goes after it.
    if (info)
        info->line = readUnlocked(dir).lines.size();
    const fs::path path = dir / ListName;
    // Under the lock no other game creates the list, so "created here" is known for sure.
    bool created = false;
    Opened list = openRegular(path, O_RDWR | O_APPEND, Links::Refuse);
    if (!list.fd.ok() && list.error == ENOENT && !list.what) {
        list = openRegular(path, O_RDWR | O_APPEND | O_CREAT | O_EXCL, Links::Refuse, 0666);
        created = list.fd.ok();
    }
    if (!list.fd.ok())
        return openProblem(path, list);
    if (created)
        shareLikeDir(list.fd, dir);
    struct stat st {};
    if (::fstat(list.fd.get(), &st) != 0)
        return problemOf(path, errno);
    // A line added to a list too large to read would never be shown.
    if (static_cast<std::uint64_t>(st.st_size) >= MaxListBytes)
        return FileProblem{
            path,
            {GRAVOK_TEXT("Meldungen", "die Datei ist größer als %1"), {Message::literal(sizeText(MaxListBytes))}},
            EFBIG};
    std::uint64_t offset = 0;
    if (const int error = appendWhole(list.fd, line, "\r\n", &offset))
        return problemOf(path, error);
    if (info)
        info->offset = offset;
    if (created && !syncDir(dir))
        return problemOf(dir, errno);
    return std::nullopt;
}

std::optional<FileProblem> rewriteList(const fs::path& dir, const ListChange& change)
{
    const Lock lock = lockForWriting(dir);
    if (lock.problem)
        return lock.problem;
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
