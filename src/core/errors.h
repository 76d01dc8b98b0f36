// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <stdexcept>
#include <string>

#include "core/message.h"

namespace gravok {

// An error the game cannot play on from: a number leaving 16 bits, a picture that does
// not exist, an index beyond a control array. The window reports it and ends; what() is
// the German text of message().
class GameError : public std::runtime_error {
public:
    explicit GameError(Message message) : std::runtime_error(message.text()), message_(std::move(message)) {}
    // The index check of VbArray, inlined into every access, keeps plain words: a pattern
    // built there changes GCC 12's inlining, which then warns falsely (-Wrestrict) in callers.
    explicit GameError(const std::string& what) : GameError(Message::literal(what)) {}
    [[nodiscard]] const Message& message() const { return message_; }

private:
    Message message_;
};

// The overflow of a game number, thrown from out of line: every step checks for it.
[[noreturn]] void throwOverflow16(long long value);

} // namespace gravok
