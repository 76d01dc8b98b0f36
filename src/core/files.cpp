// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace gravok {

Message errnoReason(int error)
{
    switch (error) {
    case EACCES:
    case EPERM: return GRAVOK_TEXT("Meldungen", "keine Berechtigung");
    case EROFS: return GRAVOK_TEXT("Meldungen", "das Dateisystem ist schreibgeschützt");
    case ENOSPC: return GRAVOK_TEXT("Meldungen", "der Datenträger ist voll");
    case EDQUOT: return GRAVOK_TEXT("Meldungen", "das Speicherkontingent ist erschöpft");
    case EFBIG: return GRAVOK_TEXT("Meldungen", "die Datei würde größer, als erlaubt ist");
    case ENOTDIR: return GRAVOK_TEXT("Meldungen", "ein Teil des Pfads ist kein Verzeichnis");
    case EISDIR: return GRAVOK_TEXT("Meldungen", "das ist ein Verzeichnis");
    case ENOENT: return GRAVOK_TEXT("Meldungen", "die Datei oder das Verzeichnis fehlt");
    case ELOOP: return GRAVOK_TEXT("Meldungen", "das ist ein symbolischer Verweis, dem das Spiel nicht folgt");
    case EEXIST: return GRAVOK_TEXT("Meldungen", "ein Eintrag dieses Namens ist schon vorhanden");
    case EBUSY:
    case ETXTBSY: return GRAVOK_TEXT("Meldungen", "die Datei ist belegt");
    case EWOULDBLOCK: return GRAVOK_TEXT("Meldungen", "die Datei ist von einem anderen Programm gesperrt");
    case ENXIO:
    case ENODEV: return GRAVOK_TEXT("Meldungen", "das Gerät ist nicht vorhanden");
    case EMFILE:
    case ENFILE: return GRAVOK_TEXT("Meldungen", "zu viele offene Dateien");
    case ENOMEM: return GRAVOK_TEXT("Meldungen", "zu wenig Speicher");
    case ENAMETOOLONG: return GRAVOK_TEXT("Meldungen", "der Name ist zu lang");
    case EIO: return GRAVOK_TEXT("Meldungen", "Ein-/Ausgabefehler");
    case EINVAL: return GRAVOK_TEXT("Meldungen", "ungültiger Zugriff");
    default: return {GRAVOK_TEXT("Meldungen", "Systemfehler Nummer %1"), {Message::literal(std::to_string(error))}};
    }
}

std::string quoteText(std::string_view text, std::size_t limit)
{
    std::string out = "\"";
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const bool starts = (c & 0xC0) != 0x80;
        if (starts && ++chars > limit) {
            out += "…";
            break;
        }
        out += (c < 0x20 || c == 0x7F) ? ' ' : static_cast<char>(c);
    }
    return out + "\"";
}

std::string nameOf(const std::filesystem::path& path)
{
    std::string name = path.string();
    for (char& c : name)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = '?';
    return name;
}

Fd::~Fd()
{
    if (fd_ >= 0)
        ::close(fd_);
}

Fd& Fd::operator=(Fd&& o) noexcept
{
    if (this != &o) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = o.fd_;
        o.fd_ = -1;
    }
    return *this;
}

namespace {

const char* kindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return GRAVOK_TEXT("Meldungen", "ein Verzeichnis");
    if (S_ISFIFO(mode))
        return GRAVOK_TEXT("Meldungen", "eine benannte Pipe (FIFO)");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return GRAVOK_TEXT("Meldungen", "ein Gerät");
    if (S_ISSOCK(mode))
        return GRAVOK_TEXT("Meldungen", "ein Socket");
    if (S_ISLNK(mode))
        return GRAVOK_TEXT("Meldungen", "ein symbolischer Verweis");
    return GRAVOK_TEXT("Meldungen", "keine gewöhnliche Datei");
}

Message noRegularFile(const char* kind)
{
    return {GRAVOK_TEXT("Meldungen", "das ist %1, keine gewöhnliche Datei"), {kind}};
}

} // namespace

Message Opened::reason() const
{
    if (link)
        return errnoReason(ELOOP);
    return what ? noRegularFile(what) : errnoReason(error);
}

Opened openRegular(const std::filesystem::path& path, int flags, Links links, unsigned mode)
{
    Opened out;
    // A name the player may point anywhere is looked at first: a device is never opened.
    if (links == Links::Follow) {
        struct stat st {};
        if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
            out.what = kindOf(st.st_mode);
            out.error = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
            return out;
        }
    }
    // Non-blocking, so that a FIFO without a writer or a device cannot hold the open.
    flags |= O_CLOEXEC | O_NONBLOCK | O_NOCTTY | (links == Links::Refuse ? O_NOFOLLOW : 0);
    int fd;
    do
        fd = ::open(path.c_str(), flags, static_cast<mode_t>(mode));
    while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        out.error = errno;
        // A directory opened for writing, a FIFO without a reader or a link not followed
        // fail before fstat could tell what they are; the name itself still can.
        struct stat st {};
        if (::lstat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
            out.link = S_ISLNK(st.st_mode);
            // A dangling link that was to be followed is simply a missing file.
            if (!out.link || (links == Links::Refuse && out.error == ELOOP))
                out.what = kindOf(st.st_mode);
            else
                out.link = false;
        }
        return out;
    }
    Fd owned(fd);
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        out.error = errno;
        return out;
    }
    if (!S_ISREG(st.st_mode)) {
        out.what = kindOf(st.st_mode);
        return out;
    }
    const int fl = ::fcntl(fd, F_GETFL);
    if (fl < 0 || ::fcntl(fd, F_SETFL, fl & ~O_NONBLOCK) != 0) {
        out.error = errno;
        return out;
    }
    out.fd = std::move(owned);
    return out;
}

std::filesystem::path userFolder(const char* variable, const char* fallback)
{
    namespace fs = std::filesystem;
    if (const char* base = std::getenv(variable); base && fs::path(base).is_absolute())
        return fs::path(base) / "gravok";
    if (const char* home = std::getenv("HOME"); home && fs::path(home).is_absolute())
        return fs::path(home) / fallback / "gravok";
    return {};
}

std::string sizeText(std::size_t bytes)
{
    constexpr std::size_t MiB = std::size_t{1024} * 1024;
    if (bytes >= MiB && bytes % MiB == 0)
        return std::to_string(bytes / MiB) + " MiB";
    if (bytes >= 1024 && bytes % 1024 == 0)
        return std::to_string(bytes / 1024) + " KiB";
    return std::to_string(bytes) + " Bytes";
}

namespace {

ReadResult failure(int error, Message reason)
{
    ReadResult out;
    out.error = error;
    out.reason = std::move(reason);
    return out;
}

} // namespace

ReadResult readBounded(const std::filesystem::path& path, std::size_t limit, Links links)
{
    ReadResult out;
    const Opened file = openRegular(path, O_RDONLY, links);
    if (!file.fd.ok())
        return failure(file.error, file.reason());
    const Message tooLarge(GRAVOK_TEXT("Meldungen", "die Datei ist größer als %1"),
                           {Message::literal(sizeText(limit))});
    struct stat st {};
    if (::fstat(file.fd.get(), &st) == 0 && static_cast<unsigned long long>(st.st_size) > limit)
        return failure(EFBIG, tooLarge);
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(file.fd.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return failure(errno, errnoReason(errno));
        if (n == 0)
            break;
        // A file that grows while it is read must not grow without end in memory.
        if (bytes.size() + static_cast<std::size_t>(n) > limit)
            return failure(EFBIG, tooLarge);
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    out.bytes = std::move(bytes);
    return out;
}

ReadResult readTail(const std::filesystem::path& path, std::size_t limit, Links links)
{
    ReadResult out;
    const Opened file = openRegular(path, O_RDONLY, links);
    if (!file.fd.ok())
        return failure(file.error, file.reason());
    struct stat st {};
    if (::fstat(file.fd.get(), &st) != 0)
        return failure(errno, errnoReason(errno));
    const auto size = static_cast<std::uint64_t>(st.st_size);
    const std::uint64_t from = size > limit ? size - limit : 0;
    std::string bytes(static_cast<std::size_t>(size - from), '\0');
    std::size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n =
            ::pread(file.fd.get(), bytes.data() + got, bytes.size() - got, static_cast<off_t>(from + got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return failure(errno, errnoReason(errno));
        if (n == 0) // cut short by someone else while read
            return failure(EIO, errnoReason(EIO));
        got += static_cast<std::size_t>(n);
    }
    // Cut in the middle of a line: that line's start is gone, so the line goes too.
    if (from > 0) {
        char before = '\n';
        if (::pread(file.fd.get(), &before, 1, static_cast<off_t>(from - 1)) != 1 || before != '\n')
            bytes.erase(0, std::min(bytes.find('\n'), bytes.size() - 1) + 1);
    }
    out.bytes = std::move(bytes);
    return out;
}

bool writeAll(const Fd& fd, std::string_view bytes)
{
    std::signal(SIGXFSZ, SIG_IGN);
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd.get(), bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

bool syncDir(const std::filesystem::path& dir)
{
    const Fd fd(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return fd.ok() && ::fsync(fd.get()) == 0;
}

int appendWhole(const Fd& fd, std::string_view line, std::string_view lineEnd, std::uint64_t* offset)
{
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0)
        return errno;
    char last = '\n';
    const bool torn =
        st.st_size > 0 && ::pread(fd.get(), &last, 1, st.st_size - 1) == 1 && last != '\n' && last != '\r';
    std::string bytes = torn ? std::string(lineEnd) : std::string();
    if (offset)
        *offset = static_cast<std::uint64_t>(st.st_size) + bytes.size();
    bytes.append(line).append(lineEnd);
    if (!writeAll(fd, bytes) || ::fsync(fd.get()) != 0) {
        const int error = errno;
        // A piece of a line must not stay behind to be read as damage ever after.
        if (::ftruncate(fd.get(), st.st_size) == 0)
            (void)::fsync(fd.get());
        return error;
    }
    return 0;
}

std::optional<Message> appendLineTo(const std::filesystem::path& path, std::string_view line, std::string_view lineEnd)
{
    const Opened file = openRegular(path, O_RDWR | O_APPEND | O_CREAT, Links::Refuse, 0644);
    if (!file.fd.ok())
        return file.reason();
    if (const int error = appendWhole(file.fd, line, lineEnd))
        return errnoReason(error);
    return std::nullopt;
}

std::optional<Message> replaceFile(const std::filesystem::path& path, std::string_view bytes, Links links,
                                   unsigned mode)
{
    namespace fs = std::filesystem;
    fs::path target = path;
    struct stat st {};
    const bool exists = ::lstat(path.c_str(), &st) == 0;
    if (exists && S_ISLNK(st.st_mode)) {
        if (links == Links::Refuse)
            return errnoReason(ELOOP);
        // Followed to its end, which must be a regular file that is there.
        if (::stat(path.c_str(), &st) != 0)
            return errnoReason(errno);
        if (!S_ISREG(st.st_mode))
            return noRegularFile(kindOf(st.st_mode));
        std::error_code ec;
        target = fs::canonical(path, ec);
        if (ec)
            return errnoReason(ec.value());
    } else if (exists && !S_ISREG(st.st_mode)) {
        return noRegularFile(kindOf(st.st_mode));
    }
    if (exists)
        mode = st.st_mode & 07777;
    // A name of our own beside the file: a stale one, or whatever was planted there, is
    // removed rather than opened.
    static std::atomic<unsigned> serial{0};
    const fs::path dir = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    const fs::path temp = dir / ("." + target.filename().string() + "." + std::to_string(::getpid()) + "-" +
                                 std::to_string(serial++) + ".tmp");
    if (::unlink(temp.c_str()) != 0 && errno != ENOENT)
        return errnoReason(errno);
    const Opened file = openRegular(temp, O_WRONLY | O_CREAT | O_EXCL, Links::Refuse, mode);
    if (!file.fd.ok())
        return file.reason();
    (void)::fchmod(file.fd.get(), static_cast<mode_t>(mode));
    int error = 0;
    if (!writeAll(file.fd, bytes) || ::fsync(file.fd.get()) != 0 || ::rename(temp.c_str(), target.c_str()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temp.c_str());
        return errnoReason(error);
    }
    if (!syncDir(dir))
        return errnoReason(errno);
    return std::nullopt;
}

} // namespace gravok
