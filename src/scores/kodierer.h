// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace gravok {

// The one key every line of the high-score list is encoded with.
inline constexpr std::int32_t Schluessel = 7319;

// The line encoder of the high-score list. A line becomes upper-case hex digits of a
// checksum and the text, both run through a keyed, chained byte stream; so the result is
// one line of printable ASCII, and a damaged line fails its checksum instead of decoding
// to garbage. An instance holds nothing, so any two give the same results.
class Kodierer {
public:
    [[nodiscard]] std::string encode(std::string_view text, const std::int32_t& key) const;
    // Nothing when the line is not something encode gave under this key.
    [[nodiscard]] std::optional<std::string> decode(std::string_view line, const std::int32_t& key) const;
};

} // namespace gravok
