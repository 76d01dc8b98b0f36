// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window_settings.h"

#include <QSettings>

namespace gravok::ui {
namespace {

const QString normalKey = QStringLiteral("window/normal");
const QString maximizedKey = QStringLiteral("window/maximized");
const QString fullScreenKey = QStringLiteral("window/fullScreen");

} // namespace

WindowSettings::WindowSettings()
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("gravok"),
                                            QStringLiteral("gravok")))
{
}

WindowSettings::WindowSettings(const QString& file)
    : settings_(std::make_unique<QSettings>(file, QSettings::IniFormat))
{
}

WindowSettings::~WindowSettings() = default;

std::optional<WindowSettings::Placement> WindowSettings::placement() const
{
    const QRect normal = settings_->value(normalKey).toRect();
    if (!normal.isValid() || normal.width() < 16 || normal.height() < 16)
        return std::nullopt;
    return Placement{normal, settings_->value(maximizedKey, false).toBool(),
                     settings_->value(fullScreenKey, false).toBool()};
}

void WindowSettings::setPlacement(const Placement& placement)
{
    settings_->setValue(normalKey, placement.normal);
    settings_->setValue(maximizedKey, placement.maximized);
    settings_->setValue(fullScreenKey, placement.fullScreen);
}

QVariant WindowSettings::value(const QString& key, const QVariant& fallback) const
{
    return settings_->value(key, fallback);
}

void WindowSettings::setValue(const QString& key, const QVariant& value)
{
    settings_->setValue(key, value);
}

void WindowSettings::flush()
{
    settings_->sync();
}

} // namespace gravok::ui
