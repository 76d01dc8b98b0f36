// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/message.h"

namespace gravok {

Message Message::literal(std::string text)
{
    Message m;
    m.pattern_ = std::move(text);
    m.literal_ = true;
    return m;
}

std::string Message::text() const
{
    if (literal_)
        return pattern_;
    std::string out;
    out.reserve(pattern_.size());
    for (std::size_t i = 0; i < pattern_.size(); ++i) {
        const char c = pattern_[i];
        const char next = i + 1 < pattern_.size() ? pattern_[i + 1] : '\0';
        const auto n = static_cast<std::size_t>(next - '0');
        // One digit only, as in every pattern; a %N without its argument stays as written.
        if (c == '%' && next >= '1' && next <= '9' && n <= args_.size()) {
            out += args_[n - 1].text();
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace gravok
