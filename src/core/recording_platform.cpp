// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "recording_platform.h"

#include "form.h"

namespace gravok {

RecordingPlatform::RecordingPlatform(std::filesystem::path dir, float screenWidthTwips)
    : dir_(std::move(dir)), screenWidth_(screenWidthTwips)
{}

void RecordingPlatform::showWindow(Form&) {}

void RecordingPlatform::runModal(Form& form)
{
    if (modalLoop)
        modalLoop(form);
    if (!form.closed())
        form.Unload();
}

bool RecordingPlatform::startProgram(const std::string& program, const std::string& argument)
{
    record("start " + program + " " + argument);
    return programsStart;
}

void RecordingPlatform::openUrl(const std::string& url)
{
    record("open " + url);
}

std::optional<std::string> RecordingPlatform::inputBox(const std::string& prompt, const std::string& title)
{
    record("inputbox " + prompt + "|" + title);
    if (inputAnswers.empty())
        return std::string();
    auto answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer;
}

void RecordingPlatform::message(const Message& message)
{
    record("message " + message.text());
}

void RecordingPlatform::notify(const Message& message)
{
    record("message " + message.text());
}

void RecordingPlatform::setBusyCursor(bool busy)
{
    record(busy ? "cursor busy" : "cursor default");
}

void RecordingPlatform::endProgram()
{
    record("end");
    ended = true;
}

void RecordingPlatform::playSound(const char* name)
{
    sounds_.emplace_back(name);
}

std::vector<std::string> RecordingPlatform::takeSounds()
{
    std::vector<std::string> out;
    out.swap(sounds_);
    return out;
}

std::vector<std::string> RecordingPlatform::takeLog()
{
    std::vector<std::string> out;
    out.swap(log_);
    return out;
}

} // namespace gravok
