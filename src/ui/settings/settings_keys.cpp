// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/settings/settings_keys.h"

#include <algorithm>
#include <array>

#include "core/game_speed.h"

namespace gravok::ui {
namespace {

using Kind = SettingKey::Kind;

constexpr const char* LanguageWords[] = {"auto", "de", "en"};
constexpr const char* FireWords[] = {"hold", "toggle"};

constexpr std::array Keys{
    // Where the window stood ("@Rect(x y width height)", its client area when neither
    // maximised nor fullscreen) and which of the two it was in.
    SettingKey{Setting::WindowNormal, "window/normal", Kind::Text, ""},
    SettingKey{Setting::WindowMaximized, "window/maximized", Kind::Switch, "false"},
    SettingKey{Setting::WindowFullScreen, "window/fullScreen", Kind::Switch, "false"},
    SettingKey{Setting::Muted, "sound/muted", Kind::Switch, "false"},
    SettingKey{Setting::Volume, "sound/volume", Kind::Number, "100", 0, 100, 10},
    SettingKey{Setting::Smooth, "view/smooth", Kind::Switch, "true"},
    // Automatisch (the desktop's), Deutsch, English.
    SettingKey{Setting::Language, "view/language", Kind::Choice, "auto", 0, 2, 1, LanguageWords},
    // The assists: the game slowed to a share of real time, and fire without holding.
    SettingKey{Setting::Speed, "game/speed", Kind::Number, "100", SlowestSpeed, FullSpeed, SpeedStep},
    SettingKey{Setting::Fire, "input/fire", Kind::Choice, "hold", 0, 1, 1, FireWords},
};

} // namespace

std::span<const SettingKey> settingKeys()
{
    return Keys;
}

const SettingKey& settingKey(Setting setting)
{
    return *std::find_if(Keys.begin(), Keys.end(), [setting](const SettingKey& k) { return k.setting == setting; });
}

} // namespace gravok::ui
