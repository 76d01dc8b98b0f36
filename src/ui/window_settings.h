// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <memory>
#include <optional>

#include <QRect>
#include <QString>
#include <QVariant>

class QSettings;

namespace gravok::ui {

// What the program keeps between runs about its window (and other desktop matters):
// Qt's settings in $XDG_CONFIG_HOME/gravok/gravok.conf. No rule of the game reads them.
class WindowSettings {
public:
    // Where the window stood: its client area when neither maximised nor fullscreen,
    // and which of the two it was in.
    struct Placement {
        QRect normal;
        bool maximized = false;
        bool fullScreen = false;
    };

    WindowSettings(); // the player's own file
    explicit WindowSettings(const QString& file); // a file of one's own, for tests
    ~WindowSettings();
    WindowSettings(const WindowSettings&) = delete;
    WindowSettings& operator=(const WindowSettings&) = delete;

    // Nothing on the first start, or when what was kept is unusable.
    [[nodiscard]] std::optional<Placement> placement() const;
    void setPlacement(const Placement& placement);

    // Any other key, under a group of its own ("sound/muted").
    [[nodiscard]] QVariant value(const QString& key, const QVariant& fallback = {}) const;
    void setValue(const QString& key, const QVariant& value);
    // Writes what was set to the file now.
    void flush();

private:
    std::unique_ptr<QSettings> settings_;
};

} // namespace gravok::ui
