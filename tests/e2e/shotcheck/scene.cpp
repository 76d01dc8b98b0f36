// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene.h"

#include <map>

namespace gravok::shotcheck {

Scene::Scene(std::filesystem::path programDir, float screenWidthTwips)
    : RecordingPlatform(std::move(programDir), screenWidthTwips), game(*this)
{}

void Scene::runModal(Form& form)
{
    if (!steps_.empty()) {
        DialogStep step = std::move(steps_.front());
        steps_.pop_front();
        step(form);
    }
    RecordingPlatform::runModal(form);
}

int keyCode(const std::string& name)
{
    static const std::map<std::string, int> codes = {
        {"F1", key::F1}, {"F2", key::F2},       {"F4", key::F4},        {"Left", key::Left},
        {"Up", key::Up}, {"Right", key::Right}, {"Down", key::Down},    {"Space", key::Space},
        {"P", key::P},   {"Enter", key::Enter}, {"Escape", key::Escape}};
    const auto it = codes.find(name);
    return it == codes.end() ? -1 : it->second;
}

void Scene::key(const std::string& name)
{
    game.activeWindow().keyDown(keyCode(name), 0);
}

void Scene::click(Control& control)
{
    Form& form = game.activeWindow();
    form.mouseDown(control);
    form.mouseUp(control);
    form.click(control);
}

} // namespace gravok::shotcheck
