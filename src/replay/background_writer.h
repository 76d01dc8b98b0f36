// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace gravok::replay {

// Writes a growing file's texts on a thread of its own, so that whoever posts them (the
// window, between two frames) never waits for gzip or fsync. Only the newest text waiting
// is written: each one holds the whole file. flush() returns once all posted is written.
class BackgroundWriter {
public:
    // WRITE puts one text into the file; the reason when it could not.
    using Write = std::function<std::optional<std::string>(const std::string& text)>;

    explicit BackgroundWriter(Write write);
    ~BackgroundWriter(); // writes what waits, then ends the thread
    BackgroundWriter(const BackgroundWriter&) = delete;
    BackgroundWriter& operator=(const BackgroundWriter&) = delete;

    void post(std::string text);
    void flush();
    // The reason of a failed write since the last call, once.
    [[nodiscard]] std::optional<std::string> takeFailure();

private:
    void run();

    Write write_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::optional<std::string> waiting_;
    std::optional<std::string> failure_;
    bool writing_ = false;
    bool ending_ = false;
    std::thread thread_; // last: it starts once everything above is there
};

} // namespace gravok::replay
