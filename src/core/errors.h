// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <stdexcept>
#include <string>

namespace gravok {

// An error the game cannot play on from: a number leaving 16 bits, a picture that does
// not exist, an index beyond a control array. The window reports it and ends.
class GameError : public std::runtime_error {
public:
    explicit GameError(const std::string& what) : std::runtime_error(what) {}
};

} // namespace gravok
