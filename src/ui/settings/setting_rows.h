// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <vector>

#include "ui/layers/settings_layer.h"

namespace gravok::audio {
class Mixer;
class SoundDirector;
} // namespace gravok::audio

namespace gravok::ui {

class ClockDriver;
class FireToggle;
class FrameLoop;
class GameWindow;
class Translations;
class WindowSettings;

// What the rows of "Einstellungen" change, each where it lives.
struct SettingTargets {
    audio::Mixer& mixer;
    audio::SoundDirector& sound;
    FrameLoop& frames;
    GameWindow& window;
    WindowSettings& store;
    Translations& translations;
    ClockDriver& clock;
    FireToggle& fire;
    bool& fullScreen; // the window's state as the layer opened
};

// The rows, in their order on the page; each change is made and kept in gravok.conf at once.
// A new row is an entry here, its key in settings_keys.cpp, its words in the README and help.
[[nodiscard]] std::vector<SettingRow> settingRows(const SettingTargets& to);

} // namespace gravok::ui
