// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "replay/background_writer.h"

#include <utility>

namespace gravok::replay {

BackgroundWriter::BackgroundWriter(Write write) : write_(std::move(write)), thread_([this] { run(); }) {}

BackgroundWriter::~BackgroundWriter()
{
    {
        const std::lock_guard lock(mutex_);
        ending_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

void BackgroundWriter::post(std::string text)
{
    {
        const std::lock_guard lock(mutex_);
        waiting_ = std::move(text);
    }
    changed_.notify_all();
}

void BackgroundWriter::flush()
{
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !waiting_ && !writing_; });
}

std::optional<std::string> BackgroundWriter::takeFailure()
{
    const std::lock_guard lock(mutex_);
    return std::exchange(failure_, std::nullopt);
}

void BackgroundWriter::run()
{
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return waiting_ || ending_; });
        if (!waiting_)
            return; // ending, and nothing waits: what was posted is written
        std::string text = std::move(*waiting_);
        waiting_.reset();
        writing_ = true;
        lock.unlock();
        auto why = write_(text);
        lock.lock();
        writing_ = false;
        if (why)
            failure_ = std::move(why);
        changed_.notify_all();
    }
}

} // namespace gravok::replay
