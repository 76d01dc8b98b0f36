// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>

#include <QRect>
#include <QString>
#include <QStringList>

#include "core/bindings.h"
#include "core/settings_file.h"
#include "ui/settings/settings_keys.h"

namespace gravok::ui {

// What the program keeps between runs about its window, its sound and other desktop
// matters: $XDG_CONFIG_HOME/gravok/gravok.conf. No rule of the game reads it.
class WindowSettings {
public:
    // Where the window stood: its client area when neither maximised nor fullscreen,
    // and which of the two it was in.
    struct Placement {
        QRect normal;
        bool maximized = false;
        bool fullScreen = false;
    };

    WindowSettings();                             // the player's own file; an old gravok.ini beside it is merged once
    explicit WindowSettings(const QString& file); // a file of one's own, for tests
    WindowSettings(const WindowSettings&) = delete;
    WindowSettings& operator=(const WindowSettings&) = delete;

    // The player's file: $XDG_CONFIG_HOME/gravok/gravok.conf, ~/.config without it.
    [[nodiscard]] static QString playerFile();

    // Nothing on the first start, or when what was kept is unusable.
    [[nodiscard]] std::optional<Placement> placement() const;
    void setPlacement(const Placement& placement);

    // A key of the table, as kept or its fallback when nothing usable is; a change is
    // saved at once.
    [[nodiscard]] bool flag(Setting setting) const;
    [[nodiscard]] int number(Setting setting) const;
    void store(Setting setting, bool on);
    void store(Setting setting, int number);
    // The player's keys and pad buttons; what cannot be used is the default.
    [[nodiscard]] bind::Bindings bindings() const;
    void setBindings(const bind::Bindings& bindings);
    // Writes what was set to the file now.
    void flush();

private:
    void load();
    [[nodiscard]] std::optional<std::string> text(Setting setting) const;
    void set(Setting setting, const std::string& text);

    SettingsFile file_;
    bool complained_ = false;
};

} // namespace gravok::ui
