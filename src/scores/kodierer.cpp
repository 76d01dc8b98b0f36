// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/kodierer.h"

#include <array>

namespace gravok {
namespace {

constexpr std::array<std::uint32_t, 256> makeCrcTable()
{
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int bit = 0; bit < 8; ++bit)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

constexpr auto CrcTable = makeCrcTable();

std::uint32_t crc32(std::string_view bytes)
{
    std::uint32_t c = 0xFFFFFFFFu;
    for (const char ch : bytes)
        c = CrcTable[(c ^ static_cast<unsigned char>(ch)) & 0xFFu] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

// A byte stream that depends on the key alone, so every line starts it afresh.
class KeyStream {
public:
    explicit KeyStream(std::int32_t key) : state_(static_cast<std::uint32_t>(key) * 2654435761u ^ 0x9E3779B9u) {}
    unsigned char next()
    {
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<unsigned char>(state_ >> 24);
    }

private:
    std::uint32_t state_;
};

constexpr char HexDigits[] = "0123456789ABCDEF";

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Each byte is mixed with the one before, so a changed byte also garbles the rest.
std::string scramble(std::string plain, std::int32_t key)
{
    KeyStream stream(key);
    unsigned char previous = 0;
    for (char& ch : plain) {
        previous = static_cast<unsigned char>(static_cast<unsigned char>(ch) + stream.next() + previous);
        ch = static_cast<char>(previous);
    }
    return plain;
}

std::string unscramble(std::string mixed, std::int32_t key)
{
    KeyStream stream(key);
    unsigned char previous = 0;
    for (char& ch : mixed) {
        const auto byte = static_cast<unsigned char>(ch);
        ch = static_cast<char>(static_cast<unsigned char>(byte - stream.next() - previous));
        previous = byte;
    }
    return mixed;
}

} // namespace

std::string Kodierer::encode(std::string_view text, const std::int32_t& key) const
{
    const std::uint32_t check = crc32(text);
    std::string plain;
    plain.reserve(text.size() + 4);
    for (int shift = 24; shift >= 0; shift -= 8)
        plain.push_back(static_cast<char>((check >> shift) & 0xFFu));
    plain.append(text);
    std::string out;
    out.reserve(plain.size() * 2);
    for (const char ch : scramble(std::move(plain), key)) {
        const auto byte = static_cast<unsigned char>(ch);
        out.push_back(HexDigits[byte >> 4]);
        out.push_back(HexDigits[byte & 0x0F]);
    }
    return out;
}

std::optional<std::string> Kodierer::decode(std::string_view line, const std::int32_t& key) const
{
    if (line.size() < 8 || line.size() % 2 != 0)
        return std::nullopt;
    std::string mixed(line.size() / 2, '\0');
    for (std::size_t i = 0; i < mixed.size(); ++i) {
        const int high = hexValue(line[2 * i]);
        const int low = hexValue(line[2 * i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        mixed[i] = static_cast<char>(high << 4 | low);
    }
    std::string plain = unscramble(std::move(mixed), key);
    std::uint32_t check = 0;
    for (int i = 0; i < 4; ++i)
        check = check << 8 | static_cast<unsigned char>(plain[static_cast<std::size_t>(i)]);
    plain.erase(0, 4);
    if (crc32(plain) != check)
        return std::nullopt;
    return plain;
}

} // namespace gravok
