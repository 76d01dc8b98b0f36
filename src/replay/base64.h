// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace gravok::replay {

// The common alphabet with "=" padding, so that a replay's episode lines are plain text.
[[nodiscard]] std::string toBase64(std::string_view bytes);
// Nothing for a text that is not exactly such an encoding.
[[nodiscard]] std::optional<std::string> fromBase64(std::string_view text);

} // namespace gravok::replay
