// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window_settings.h"

#include "core/files.h"

#include <cstdio>

namespace gravok::ui {
namespace {

const QString normalKey = QStringLiteral("window/normal");
const QString maximizedKey = QStringLiteral("window/maximized");
const QString fullScreenKey = QStringLiteral("window/fullScreen");

std::filesystem::path configFolder()
{
    return userFolder("XDG_CONFIG_HOME", ".config");
}

// A rectangle as earlier versions wrote it: "@Rect(x y width height)".
std::string rectText(const QRect& r)
{
    return QStringLiteral("@Rect(%1 %2 %3 %4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()).toStdString();
}

QRect rectOf(const QString& text)
{
    if (!text.startsWith(QLatin1String("@Rect(")) || !text.endsWith(QLatin1Char(')')))
        return {};
    const QStringList parts = text.mid(6, text.size() - 7).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parts.size() != 4)
        return {};
    int n[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        n[i] = parts[i].toInt(&ok);
        if (!ok)
            return {};
    }
    return {n[0], n[1], n[2], n[3]};
}

} // namespace

QString WindowSettings::playerFile()
{
    return QString::fromStdString((configFolder() / "gravok.conf").string());
}

WindowSettings::WindowSettings() : file_(configFolder() / "gravok.conf", configFolder() / "gravok.ini")
{
    load();
}

WindowSettings::WindowSettings(const QString& file) : file_(file.toStdString())
{
    load();
}

void WindowSettings::load()
{
    for (const std::string& problem : file_.load())
        std::fprintf(stderr, "gravok: %s\n", problem.c_str());
}

std::optional<WindowSettings::Placement> WindowSettings::placement() const
{
    const QRect normal = rectOf(value(normalKey).toString());
    if (!normal.isValid() || normal.width() < 16 || normal.height() < 16)
        return std::nullopt;
    return Placement{normal, value(maximizedKey, false).toBool(), value(fullScreenKey, false).toBool()};
}

void WindowSettings::setPlacement(const Placement& placement)
{
    set(normalKey, QString::fromStdString(rectText(placement.normal)));
    set(maximizedKey, placement.maximized);
    set(fullScreenKey, placement.fullScreen);
}

QVariant WindowSettings::value(const QString& key, const QVariant& fallback) const
{
    const auto text = file_.value(key.toStdString());
    return text ? QVariant(QString::fromStdString(*text)) : fallback;
}

void WindowSettings::set(const QString& key, const QVariant& value)
{
    const QString text =
        value.typeId() == QMetaType::Bool ? QString::fromLatin1(value.toBool() ? "true" : "false") : value.toString();
    file_.set(key.toStdString(), text.toStdString());
}

void WindowSettings::setValue(const QString& key, const QVariant& value)
{
    set(key, value);
    flush();
}

bind::Bindings WindowSettings::bindings() const
{
    return bind::Bindings::fromStored([this](const std::string& key) { return file_.value(key); });
}

void WindowSettings::setBindings(const bind::Bindings& bindings)
{
    for (const auto& [key, value] : bindings.stored())
        file_.set(key, value);
    flush();
}

void WindowSettings::flush()
{
    // Said once: a disk that stays full would say it at every change.
    if (const auto why = file_.save(); why && !complained_) {
        complained_ = true;
        std::fprintf(stderr, "gravok: %s\n", why->c_str());
    }
}

} // namespace gravok::ui
