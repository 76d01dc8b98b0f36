// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "replay/replay_io.h"

#include <cerrno>
#include <zlib.h>

#include "core/files.h"

namespace gravok::replay {
namespace {

constexpr unsigned char GzipMagic[] = {0x1f, 0x8b};

// A lone first byte of the magic is a gzip file cut short, not a text.
bool gzipped(std::string_view bytes)
{
    return !bytes.empty() && static_cast<unsigned char>(bytes[0]) == GzipMagic[0] &&
           (bytes.size() == 1 || static_cast<unsigned char>(bytes[1]) == GzipMagic[1]);
}

// One gzip member at level 6, in memory: the file door writes it whole or not at all.
std::optional<std::string> gzip(std::string_view text)
{
    z_stream z{};
    if (deflateInit2(&z, 6, Z_DEFLATED, 15 + 16, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return std::nullopt;
    std::string out(deflateBound(&z, static_cast<uLong>(text.size())), '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
    z.avail_in = static_cast<uInt>(text.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    const int status = deflate(&z, Z_FINISH);
    out.resize(z.total_out);
    deflateEnd(&z);
    if (status != Z_STREAM_END)
        return std::nullopt;
    return out;
}

// Every member to its end; a stream that stops early or holds anything else is damaged.
std::optional<std::string> gunzip(std::string_view bytes, Message& why)
{
    std::string text;
    char buffer[1 << 16];
    while (!bytes.empty()) {
        if (!gzipped(bytes)) {
            why = GRAVOK_TEXT("Meldungen", "die Datei ist beschädigt.");
            return std::nullopt;
        }
        z_stream z{};
        if (inflateInit2(&z, 15 + 16) != Z_OK) {
            why = GRAVOK_TEXT("Meldungen", "zu wenig Speicher.");
            return std::nullopt;
        }
        z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
        z.avail_in = static_cast<uInt>(bytes.size());
        int status = Z_OK;
        while (status == Z_OK) {
            z.next_out = reinterpret_cast<Bytef*>(buffer);
            z.avail_out = sizeof buffer;
            status = inflate(&z, Z_NO_FLUSH);
            text.append(buffer, sizeof buffer - z.avail_out);
            if (text.size() > MaxReplayBytes) {
                inflateEnd(&z);
                why = GRAVOK_TEXT("Meldungen", "sie ist zu groß.");
                return std::nullopt;
            }
        }
        const std::size_t used = bytes.size() - z.avail_in;
        inflateEnd(&z);
        if (status != Z_STREAM_END) {
            why = GRAVOK_TEXT("Meldungen", "die Datei ist beschädigt.");
            return std::nullopt;
        }
        bytes.remove_prefix(used);
    }
    return text;
}

} // namespace

std::optional<std::string> writeReplayText(const std::filesystem::path& file, std::string_view text, bool compress)
{
    std::optional<std::string> packed;
    if (compress && !(packed = gzip(text)))
        return "Die Aufzeichnung kann nicht geschrieben werden: " + nameOf(file) + ": zu wenig Speicher";
    // A replay is the game's own file: never written through a link.
    if (const auto why = replaceFile(file, packed ? *packed : text, Links::Refuse))
        return "Die Aufzeichnung kann nicht geschrieben werden: " + nameOf(file) + ": " + why->text();
    return std::nullopt;
}

std::variant<std::string, Message> readReplayText(const std::filesystem::path& file)
{
    const auto cannot = [&](const Message& why) {
        return Message(GRAVOK_TEXT("Meldungen", "Die Aufzeichnung %1 kann nicht gelesen werden: %2"),
                       {Message::literal(nameOf(file)), why});
    };
    // A player may name a link to a replay; it is followed only to a regular file.
    ReadResult read = readBounded(file, MaxReplayBytes, Links::Follow);
    if (!read.bytes) {
        if (read.error == EFBIG)
            return cannot(GRAVOK_TEXT("Meldungen", "sie ist zu groß."));
        return cannot(read.error == ENOENT ? Message(GRAVOK_TEXT("Meldungen", "Die Datei fehlt."))
                                           : Message(GRAVOK_TEXT("Meldungen", "%1."), {read.reason}));
    }
    if (!gzipped(*read.bytes))
        return std::move(*read.bytes);
    Message why;
    auto text = gunzip(*read.bytes, why);
    if (!text)
        return cannot(why);
    return std::move(*text);
}

} // namespace gravok::replay
