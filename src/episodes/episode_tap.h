// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <functional>
#include <optional>
#include <string>

#include "core/message.h"

namespace gravok {

// Where the episode loader's bytes come from and go to, for recording a game and playing it
// back. Both unset: the file beside the program is read, and nobody is told.
struct EpisodeTap {
    // Gives the bytes of episode n instead of its file, or the reason it cannot.
    std::function<std::optional<Message>(int n, std::string& bytes)> source;
    // Told of every load: the bytes read, or nullptr when the file could not be read.
    std::function<void(int n, const std::string* bytes)> loaded;
};

} // namespace gravok
