// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "replay/replay_io.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

namespace gravok::replay {
namespace {

std::string systemReason(int error)
{
    return error == ENOENT ? std::string("Die Datei fehlt.") : std::string(std::strerror(error));
}

} // namespace

std::optional<std::string> writeReplayText(const std::filesystem::path& file, std::string_view text, bool compress)
{
    // Written beside and renamed over, so a crash leaves the old file or the new one.
    const std::filesystem::path temp = file.string() + ".tmp";
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0)
        return "Die Aufzeichnung kann nicht geschrieben werden: " + temp.string() + ": " + systemReason(errno);
    bool ok = true;
    if (compress) {
        gzFile gz = gzdopen(fd, "wb6");
        if (!gz) {
            ::close(fd);
            ok = false;
        } else {
            std::size_t done = 0;
            while (ok && done < text.size()) {
                const auto chunk = static_cast<unsigned>(std::min<std::size_t>(text.size() - done, 1u << 20));
                ok = gzwrite(gz, text.data() + done, chunk) == static_cast<int>(chunk);
                done += chunk;
            }
            ok = gzclose(gz) == Z_OK && ok;
        }
    } else {
        std::size_t done = 0;
        while (ok && done < text.size()) {
            const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
            ok = n > 0;
            done += n > 0 ? static_cast<std::size_t>(n) : 0;
        }
        ok = ::close(fd) == 0 && ok;
    }
    std::error_code ec;
    if (ok)
        std::filesystem::rename(temp, file, ec);
    if (!ok || ec) {
        std::filesystem::remove(temp, ec);
        return "Die Aufzeichnung kann nicht geschrieben werden: " + file.string();
    }
    return std::nullopt;
}

std::variant<std::string, std::string> readReplayText(const std::filesystem::path& file)
{
    const auto cannot = [&](const std::string& why) {
        return std::variant<std::string, std::string>(std::in_place_index<1>,
                                                      "Die Aufzeichnung " + file.string() +
                                                          " kann nicht gelesen werden: " + why);
    };
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return cannot(systemReason(errno));
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return cannot("keine gewöhnliche Datei.");
    }
    gzFile gz = gzdopen(fd, "rb");
    if (!gz) {
        ::close(fd);
        return cannot("zu wenig Speicher.");
    }
    std::string text;
    char buffer[1 << 16];
    for (;;) {
        const int n = gzread(gz, buffer, sizeof buffer);
        if (n < 0) {
            gzclose(gz);
            return cannot("die Datei ist beschädigt.");
        }
        if (n == 0)
            break;
        text.append(buffer, static_cast<std::size_t>(n));
        if (text.size() > MaxReplayBytes) {
            gzclose(gz);
            return cannot("sie ist zu groß.");
        }
    }
    gzclose(gz);
    return std::variant<std::string, std::string>(std::in_place_index<0>, std::move(text));
}

} // namespace gravok::replay
