// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "replay/base64.h"

#include <array>
#include <cstdint>

namespace gravok::replay {
namespace {

constexpr std::string_view Alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int valueOf(char c)
{
    const std::size_t at = Alphabet.find(c);
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

} // namespace

std::string toBase64(std::string_view bytes)
{
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    std::size_t i = 0;
    for (; i + 3 <= bytes.size(); i += 3) {
        const std::uint32_t v = std::uint32_t(std::uint8_t(bytes[i])) << 16 |
                                std::uint32_t(std::uint8_t(bytes[i + 1])) << 8 | std::uint8_t(bytes[i + 2]);
        for (int shift = 18; shift >= 0; shift -= 6)
            out += Alphabet[(v >> shift) & 63];
    }
    const std::size_t rest = bytes.size() - i;
    if (rest > 0) {
        std::uint32_t v = std::uint32_t(std::uint8_t(bytes[i])) << 16;
        if (rest == 2)
            v |= std::uint32_t(std::uint8_t(bytes[i + 1])) << 8;
        out += Alphabet[(v >> 18) & 63];
        out += Alphabet[(v >> 12) & 63];
        out += rest == 2 ? Alphabet[(v >> 6) & 63] : '=';
        out += '=';
    }
    return out;
}

std::optional<std::string> fromBase64(std::string_view text)
{
    if (text.size() % 4 != 0)
        return std::nullopt;
    std::string out;
    out.reserve(text.size() / 4 * 3);
    for (std::size_t i = 0; i < text.size(); i += 4) {
        const bool last = i + 4 == text.size();
        std::array<int, 4> v{};
        int pad = 0;
        for (std::size_t k = 0; k < 4; ++k) {
            const char c = text[i + k];
            if (c == '=' && last && k >= 2) {
                ++pad;
                v[k] = 0;
                continue;
            }
            if (pad > 0 || (v[k] = valueOf(c)) < 0)
                return std::nullopt;
        }
        const std::uint32_t n =
            std::uint32_t(v[0]) << 18 | std::uint32_t(v[1]) << 12 | std::uint32_t(v[2]) << 6 | std::uint32_t(v[3]);
        // Bits below the last byte must be zero, so that every text decodes from one encoding.
        if ((pad == 1 && (n & 0xFF) != 0) || (pad == 2 && (n & 0xFFFF) != 0))
            return std::nullopt;
        out += char(n >> 16);
        if (pad < 2)
            out += char((n >> 8) & 0xFF);
        if (pad < 1)
            out += char(n & 0xFF);
    }
    return out;
}

} // namespace gravok::replay
