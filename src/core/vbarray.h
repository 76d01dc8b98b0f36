// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <string>

#include "errors.h"

namespace gravok {

// A fixed array indexed First..Last as the game counts its slots (gravoks 1..10, shots
// 0..9); an index outside is an error, not a stray write.
template <typename T, int First, int Last>
class VbArray {
public:
    static constexpr int first = First;
    static constexpr int last = Last;

    T& operator()(int i) { return items_[offset(i)]; }
    const T& operator()(int i) const { return items_[offset(i)]; }
    [[nodiscard]] static constexpr bool contains(int i) { return i >= First && i <= Last; }

private:
    static std::size_t offset(int i)
    {
        if (!contains(i))
            throw GameError("Index " + std::to_string(i) + " außerhalb " + std::to_string(First) + " bis " +
                            std::to_string(Last));
        return static_cast<std::size_t>(i - First);
    }
    std::array<T, Last - First + 1> items_{};
};

} // namespace gravok
