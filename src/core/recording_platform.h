// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform.h"

namespace gravok {

// A desktop that only writes down what was asked of it, one line per request, in the
// words the harness prints ("start PROG ARG", "open URL", "cursor busy", ...).
class RecordingPlatform : public Platform {
public:
    explicit RecordingPlatform(std::filesystem::path dir, float screenWidthTwips = 28800.0f);

    [[nodiscard]] std::filesystem::path programDir() const override { return dir_; }
    [[nodiscard]] std::filesystem::path dataDir() const override { return installedData; }
    [[nodiscard]] float screenWidthTwips() const override { return screenWidth_; }
    [[nodiscard]] std::uint64_t clockSeed() const override { return seed; }
    void showWindow(Form& form) override;
    void runModal(Form& form) override;
    bool startProgram(const std::string& program, const std::string& argument) override;
    void openUrl(const std::string& url) override;
    std::optional<std::string> inputBox(const std::string& prompt, const std::string& title) override;
    void message(const Message& message) override;
    void notify(const Message& message) override;
    void setBusyCursor(bool busy) override;
    void endProgram() override;
    void playSound(const char* name) override;

    // Lines recorded since the last call, which forgets them.
    std::vector<std::string> takeLog();
    [[nodiscard]] const std::vector<std::string>& log() const { return log_; }
    // Sounds asked for since the last call, which forgets them; kept apart from the log.
    std::vector<std::string> takeSounds();

    // Answers for the next input boxes: a text, or nothing for a cancel.
    std::deque<std::optional<std::string>> inputAnswers;
    // Runs while a modal dialog is up; it must close the dialog. Unset: closes it at once.
    std::function<void(Form&)> modalLoop;
    // Whether startProgram reports success.
    bool programsStart = true;
    bool ended = false;
    // The data folder of an installed game; empty, as in the build tree, unless a test sets it.
    std::filesystem::path installedData;
    // What the system clock gives as a seed.
    std::uint64_t seed = 0;

protected:
    void record(std::string line) { log_.push_back(std::move(line)); }

private:
    std::filesystem::path dir_;
    float screenWidth_;
    std::vector<std::string> log_;
    std::vector<std::string> sounds_;
};

} // namespace gravok
