// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The settings store: every key of gravok.conf, and the file that keeps them.
#pragma once
#include <span>

namespace gravok::ui {

// The keys of gravok.conf beside the bindings' ("keys/…" and "pad/…", named by
// bind::Bindings). A new one is a line in settings_keys.cpp and a line in the README.
enum class Setting { WindowNormal, WindowMaximized, WindowFullScreen, Muted, Volume, Smooth, Language, Speed, Fire };

struct SettingKey {
    enum class Kind { Text, Switch, Number, Choice };
    Setting setting;
    const char* name;     // its group and key, "sound/volume"
    Kind kind;            // a switch is written "true" or "false"
    const char* fallback; // when the file has none, or none that can be used
    int min = 0;          // a number's range and step
    int max = 0;
    int step = 1;
    std::span<const char* const> words = {}; // a choice's words as written, its number the place
};

[[nodiscard]] std::span<const SettingKey> settingKeys();
[[nodiscard]] const SettingKey& settingKey(Setting setting);

} // namespace gravok::ui
