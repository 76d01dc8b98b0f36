// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "ui/host/qt_platform.h"

namespace gravok::ui {

// The desktop of a recorded game being watched: its program directory, the seed it drew
// and the answers it gave instead of the real ones. It opens nothing beside the window and
// waits for nobody: the recorded run's help and messages are its own.
class WatchPlatform : public QtPlatform {
public:
    struct Recorded {
        std::filesystem::path dir;
        std::uint64_t seed = 0;
        std::function<std::optional<std::string>()> answer;
        std::function<void()> ended;
    };
    void follow(Recorded recorded) { recorded_ = std::move(recorded); }

    [[nodiscard]] std::filesystem::path programDir() const override { return recorded_.dir; }
    [[nodiscard]] std::uint64_t clockSeed() const override { return recorded_.seed; }
    bool startProgram(const std::string& /*program*/, const std::string& /*argument*/) override { return true; }
    void openUrl(const std::string& /*url*/) override {}
    std::optional<std::string> inputBox(const std::string& /*prompt*/, const std::string& /*title*/) override
    {
        return recorded_.answer ? recorded_.answer() : std::nullopt;
    }
    void message(const Message& /*message*/) override {}
    void notify(const Message& /*message*/) override {}
    // The recorded run ended here; the showing stops and the window stays.
    void endProgram() override
    {
        if (recorded_.ended)
            recorded_.ended();
        else
            QtPlatform::endProgram();
    }

private:
    Recorded recorded_;
};

} // namespace gravok::ui
