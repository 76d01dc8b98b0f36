// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <charconv>
#include <optional>
#include <string_view>

namespace gravok::replay {

// The whole of T as a decimal number, or nothing: replay files and their links are read
// strictly, a stray character is damage.
template <class T>
[[nodiscard]] std::optional<T> number(std::string_view t)
{
    T v{};
    auto [p, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (t.empty() || ec != std::errc() || p != t.data() + t.size())
        return std::nullopt;
    return v;
}

} // namespace gravok::replay
