// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <atomic>
#include <cstddef>

namespace gravok::audio {

// A fixed ring for one writer thread and one reader thread. Neither side locks, waits or
// allocates, so the audio callback can read it without ever being held up by the game.
template <typename T, std::size_t N>
class HandOver {
    static_assert(N >= 2 && (N & (N - 1)) == 0, "a power of two");

public:
    // Writer: false when the ring is full (the reader has fallen behind).
    bool push(const T& item)
    {
        const std::size_t tail = tail_.load(std::memory_order_relaxed);
        if (tail - head_.load(std::memory_order_acquire) == N)
            return false;
        slots_[tail & (N - 1)] = item;
        tail_.store(tail + 1, std::memory_order_release);
        return true;
    }

    // Reader: false when nothing is waiting.
    bool pop(T& item)
    {
        const std::size_t head = head_.load(std::memory_order_relaxed);
        if (head == tail_.load(std::memory_order_acquire))
            return false;
        item = slots_[head & (N - 1)];
        head_.store(head + 1, std::memory_order_release);
        return true;
    }

private:
    std::array<T, N> slots_{};
    alignas(64) std::atomic<std::size_t> head_{0};
    alignas(64) std::atomic<std::size_t> tail_{0};
};

} // namespace gravok::audio
