// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the game tells the player, kept whole so that the window can translate it.
#pragma once
#include <string>
#include <vector>

#include "core/words.h"

namespace gravok {

// A message for the player as the core builds it: a German pattern with %1 … %9 and its
// arguments, so that a window can translate it whole. text() is the German text.
class Message {
public:
    Message() = default;
    // A marked pattern; an argument is a message of its own or a literal.
    Message(const char* pattern, std::vector<Message> args = {}) : pattern_(pattern), args_(std::move(args)) {}
    // A name, a number, a file's words: shown as it is and never translated.
    [[nodiscard]] static Message literal(std::string text);

    [[nodiscard]] const std::string& pattern() const { return pattern_; }
    [[nodiscard]] const std::vector<Message>& args() const { return args_; }
    [[nodiscard]] bool isLiteral() const { return literal_; }
    // The German text: each %N of the pattern is args[N-1].text(), in one pass, so that a
    // file name holding "%2" stays as it is.
    [[nodiscard]] std::string text() const;

    bool operator==(const Message&) const = default;

private:
    std::string pattern_;
    std::vector<Message> args_;
    bool literal_ = false;
};

} // namespace gravok
