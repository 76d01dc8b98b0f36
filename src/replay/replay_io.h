// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "core/message.h"

namespace gravok::replay {

// Far above an hour of play with every key held; a larger file is no replay of ours.
inline constexpr std::size_t MaxReplayBytes = 64u << 20;

// Writes TEXT to FILE, gzip-compressed when COMPRESS (held keys repeat the same few lines,
// which squeeze to a twentieth). Replaces FILE whole; the German reason on failure.
[[nodiscard]] std::optional<std::string> writeReplayText(const std::filesystem::path& file, std::string_view text,
                                                         bool compress);

// The text of FILE, plain or gzip-compressed, at most MaxReplayBytes; or why not.
[[nodiscard]] std::variant<std::string, Message> readReplayText(const std::filesystem::path& file);

} // namespace gravok::replay
